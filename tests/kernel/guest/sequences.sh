# The table of sequences on both backends (BackendSequencesTest.cpp).
QT_QPA_PLATFORM=offscreen kernel_guest_tests --gtest_filter='RealStackSequences.*'
