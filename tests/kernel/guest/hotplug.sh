# Plugging and unplugging through systemd-udevd and the udev monitor (HotplugTest.cpp).
QT_QPA_PLATFORM=offscreen kernel_guest_tests --gtest_filter='RealStackHotplug.*'
