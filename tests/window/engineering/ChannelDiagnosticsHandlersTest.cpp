#include "window/app/ChannelGridColours.h"
#include "window/engineering/ConsoleFixture.h"

namespace {

// One grid row as text, leftmost cell first: R for red, g for light green, ? for anything else.
QString RowColours(const TForm1& form, const QString& prefix, int row)
{
    QString colours;
    for (int column = 7; column >= 0; --column) {
        const TColor colour = TForm1::GridCellColour(form.FindGridCell(prefix, row, column));
        colours += colour == kChannelSetColour     ? QLatin1Char('R')
                   : colour == kChannelClearColour ? QLatin1Char('g')
                                                   : QLatin1Char('?');
    }
    return colours;
}

class ChannelDiagnostics : public ConsoleTest {
protected:
    std::vector<QString> Run(int command)
    {
        return Sent([&] {
            form().btnSpecialCmd1Click(
                Control(qPrintable(QStringLiteral("btnSpecialCmd%1").arg(command))));
        });
    }
    QString Box(int command, int byte) const
    {
        return session.Find<QLineEdit>(QString::asprintf("edtSC0%d_0%d", command, byte))->text();
    }
    QStringList Boxes(int command) const
    {
        QStringList texts;
        for (int byte = 0; byte <= 6; ++byte)
            texts << Box(command, byte);
        return texts;
    }
    QStringList Grid(const char* prefix) const
    {
        QStringList rows;
        for (int row = 0; row < 4; ++row)
            rows << RowColours(form(), QString::fromLatin1(prefix), row);
        return rows;
    }
    static QString Request(int command)
    {
        return QStringLiteral("01 14 FF AA 0%1 00 00 00").arg(command);
    }
};

TEST_F(ChannelDiagnostics, CommandTwoFillsItsBoxesAndPaintsBothChannelMaps)
{
    const QStringList keyboardBefore = Grid("edtKBDFHSS");
    session.faults().scriptReplies({Reply({0x01, 0x00, 0x00, 0x80, 0x0F, 0xF0, 0x00, 0xCC})});

    EXPECT_EQ(Run(2), std::vector<QString>{Request(2)});

    EXPECT_EQ(Boxes(2), QStringList({"1", "00", "00", "80", "F", "F0", "00"}));
    EXPECT_EQ(Grid("edtFHSS"), QStringList({"Rggggggg", "gggggggg", "gggggggg", "gggggggR"}));
    EXPECT_EQ(Grid("edtKBDFHSS"),
              QStringList({"RRRRgggg", "ggggRRRR", "gggggggg", keyboardBefore.at(3)}));

    form().AttachReceiver();  // resets the grids: the same reply paints the map again
    session.faults().scriptReplies({Reply({0x01, 0x00, 0x00, 0x80, 0x0F, 0xF0, 0x00, 0xCC})});
    Run(2);
    EXPECT_EQ(Grid("edtFHSS"), QStringList({"Rggggggg", "gggggggg", "gggggggg", "gggggggR"}));
}

TEST_F(ChannelDiagnostics, CommandThreePaintsTheRssiMapAndCommandOnePaintsNothing)
{
    session.firmware().radio().maskList = 0x80000001;
    Run(3);
    EXPECT_EQ(Grid("edtRSSI"), QStringList({"Rggggggg", "gggggggg", "gggggggg", "gggggggR"}));

    const QStringList mouseMap = Grid("edtFHSS");
    const QStringList keyboardMap = Grid("edtKBDFHSS");
    const QStringList rssiMap = Grid("edtRSSI");
    session.faults().scriptReplies({Reply({0x50, 0x07, 0x00, 0x2A, 0x05, 0x00, 0x1E, 0xCC})});
    Run(1);
    EXPECT_EQ(Boxes(1), QStringList({"50", "7", "00", "2A", "5", "00", "1E"}));
    EXPECT_EQ(Grid("edtFHSS"), mouseMap);
    EXPECT_EQ(Grid("edtKBDFHSS"), keyboardMap);
    EXPECT_EQ(Grid("edtRSSI"), rssiMap);
}

TEST_F(ChannelDiagnostics, CommandFourAcceptsEitherSettledBindingStatus)
{
    for (const quint8 status : {quint8(0xBB), quint8(0x33)}) {
        session.faults().scriptReplies({Reply({0x00, status, 0, 0, 0, 0, 0, 0xCC})});
        EXPECT_EQ(Run(4), std::vector<QString>{Request(4)});
        EXPECT_EQ(Box(4, 1), QString::number(status, 16).toUpper());
        EXPECT_EQ(Grid("edtKBDFHSS").at(3), QStringLiteral("gggggggg"));
    }
    session.faults().scriptReplies({Reply({0x81, 0x33, 0, 0, 0, 0, 0, 0xCC})});
    Run(4);
    EXPECT_EQ(Grid("edtKBDFHSS").at(3), QStringLiteral("RggggggR"));
}

TEST_F(ChannelDiagnostics, CommandFourAsksAgainWhileTheBindingStatusIsUnsettled)
{
    session.firmware().setBindingUnsettled(3, 0x00);
    const auto sent = Run(4);
    EXPECT_EQ(sent, std::vector<QString>(4, Request(4)));
    EXPECT_EQ(Box(4, 1), QStringLiteral("33"));
}

TEST_F(ChannelDiagnostics, CommandFourGivesUpOnAReceiverThatNeverSettles)
{
    session.faults().scriptReplies({Reply({0xFF, 0x33, 0, 0, 0, 0, 0, 0xCC})});
    Run(4);
    const QStringList rowBefore = Grid("edtKBDFHSS");

    session.firmware().setBindingUnsettled(1000000, 0x00);
    session.firmware().radio().keyboardChannelMap = 0;
    const auto sent = Run(4);

    EXPECT_EQ(sent, std::vector<QString>(10, Request(4)));
    EXPECT_EQ(Box(4, 1), QStringLiteral("00"));
    EXPECT_EQ(Grid("edtKBDFHSS"), rowBefore);
}

TEST_F(ChannelDiagnostics, UnacknowledgedReplyLeavesBoxesAndCellsUnchanged)
{
    Run(2);
    const QStringList boxes = Boxes(2);
    const QStringList mouseMap = Grid("edtFHSS");
    const QStringList keyboardMap = Grid("edtKBDFHSS");
    session.firmware().radio().mouseChannelMap = 0x12345678;

    session.faults().nackReplies(SimFaults::kAlways);
    EXPECT_EQ(Run(2), std::vector<QString>(50, Request(2)));
    EXPECT_EQ(Boxes(2), boxes);
    EXPECT_EQ(Grid("edtFHSS"), mouseMap);
    EXPECT_EQ(Grid("edtKBDFHSS"), keyboardMap);
}

TEST_F(ChannelDiagnostics, SelectionSendsMouseOrKeyboard)
{
    EXPECT_EQ(SentByClick("rbKB"), Reports({"01 17 3C 5A 02 00 00 00"}));
    EXPECT_EQ(SentByClick("rbMSE"), Reports({"01 17 3C 5A 01 00 00 00"}));
    EXPECT_EQ(session.firmware().selectedDevice(), 1);
}

}  // namespace
