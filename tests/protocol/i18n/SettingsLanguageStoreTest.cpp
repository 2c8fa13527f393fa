#include "protocol/i18n/SettingsLanguageStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(SettingsLanguageStore, ReadsNothingUntilWrittenThenTheNameInKarveloRfBind)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());

    SettingsLanguageStore store;
    EXPECT_EQ(store.Read(), std::nullopt);
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("KARVELO/RF_BIND.conf"))))
        << "reading must not create the settings";

    store.Write(QStringLiteral("lkCht"));
    EXPECT_EQ(SettingsLanguageStore().Read(), QStringLiteral("lkCht"));
    const QSettings written(home.filePath(QStringLiteral("KARVELO/RF_BIND.conf")),
                            QSettings::IniFormat);
    EXPECT_EQ(written.value(QStringLiteral("LngSection")).toString(), QStringLiteral("lkCht"));

    store.Write(QStringLiteral("lkEng"));
    EXPECT_EQ(store.Read(), QStringLiteral("lkEng"));
}

}  // namespace
