#include "protocol/i18n/LocalText.h"

#include <gtest/gtest.h>

namespace {

TEST(LocalTextTest, FollowsTheLanguageInForce)
{
    const LocalText text{"Receiver", "接收器", "接收器 (简)"};
    const TLanguateKind before = CurrentLanguage;
    CurrentLanguage = lkCht;
    EXPECT_EQ(Localized(text), QString::fromUtf8("接收器"));
    CurrentLanguage = lkChs;
    EXPECT_EQ(Localized(text), QString::fromUtf8("接收器 (简)"));
    CurrentLanguage = lkEng;
    EXPECT_EQ(Localized(text), QStringLiteral("Receiver"));
    CurrentLanguage = before;
}

}  // namespace
