# Enumeration and selection through hidapi, hidraw and sysfs (EnumerationTest.cpp).
QT_QPA_PLATFORM=offscreen kernel_guest_tests --gtest_filter='RealStackEnumeration.*'
