// The receiver's four diagnostic special commands, the channel grids they paint, and the
// mouse / keyboard selection.
#include "app/Unit1.h"

#include "engineering/ChannelMaps.h"

#include <QLineEdit>
#include <QPalette>

namespace {

constexpr quint8 kSpecialCommand = 0x14;
constexpr quint8 kSelectDevice = 0x17;
// How many exchanges one run of special command 4 makes at most while the binding status is
// unsettled, so that a receiver that never settles cannot hold the tool.
constexpr int kBindingStatusExchanges = 10;

} // namespace

void TForm1::PaintGridCell(QLineEdit* cell, TColor colour)
{
    if (!cell)
        return;
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Base, toQColor(colour));
    cell->setPalette(palette);
}

TColor TForm1::GridCellColour(const QLineEdit* cell)
{
    return cell ? fromQColor(cell->palette().color(QPalette::Base)) : 0;
}

void TForm1::PaintGridRow(const QString& prefix, int row, quint8 mapByte)
{
    for (int column = 0; column < 8; ++column)
        PaintGridCell(FindGridCell(prefix, row, column), ChannelCellColour(mapByte, column));
}

void TForm1::ShowSpecialReply(int command, const CommandChannel::Report& reply)
{
    for (int i = 0; i <= 6; ++i) {
        auto* box = Find<THexEdit>(QString::asprintf("edtSC0%d_0%d", command, i));
        if (!box)
            continue;
        if (reply[size_t(i)] == 0)
            box->setText(QStringLiteral("00"));
        else
            box->setValue(reply[size_t(i)]);
    }
}

void TForm1::btnSpecialCmd1Click(QObject* Sender)
{
    const QString name = Sender ? Sender->objectName() : QString();
    const int command = name.isEmpty() ? 0 : name.back().digitValue();
    if (command < 1 || command > 4)
        return;
    for (int exchange = 1; exchange <= kBindingStatusExchanges; ++exchange) {
        if (!Receiver())
            return;
        CommandChannel::Report reply{};
        const auto request =
            CommandChannel::request({kSpecialCommand, 0xFF, 0xAA, quint8(command)});
        if (!channel_.strictRead(request, reply))
            return;
        ShowSpecialReply(command, reply);
        switch (command) {
        case 2:
            for (int row = 0; row < 4; ++row)
                PaintGridRow(QStringLiteral("edtFHSS"), row, reply[size_t(row)]);
            for (int row = 0; row < 3; ++row)
                PaintGridRow(QStringLiteral("edtKBDFHSS"), row, reply[size_t(row + 4)]);
            return;
        case 3:
            for (int row = 0; row < 4; ++row)
                PaintGridRow(QStringLiteral("edtRSSI"), row, reply[size_t(row)]);
            return;
        case 4:
            if (!BindingStatusSettled(reply[1]))
                continue;  // asked again, up to the bound
            PaintGridRow(QStringLiteral("edtKBDFHSS"), 3, reply[0]);
            return;
        default:
            return;
        }
    }
}

void TForm1::rbMSEClick(QObject*)
{
    const quint8 selection = rbMSE->isChecked() ? 0x01 : 0x02;
    channel_.plainCommand(CommandChannel::request({kSelectDevice, 0x3C, 0x5A, selection}));
}
