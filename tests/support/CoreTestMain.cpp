#include <QCoreApplication>

#include <gtest/gtest.h>

// Tests below the window: an event loop for posted device notifications, no display.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
