// The console's special command buttons, the channel grids they paint, and the mouse /
// keyboard selection.
#include "window/engineering/ChannelDiagnosticsHandlers.h"

#include "window/app/ChannelGridColours.h"
#include "window/app/MainWindow.h"
#include "window/device/ReceiverAttachHandlers.h"

#include <QLineEdit>
#include <QPalette>

namespace {

QString GridPrefix(ChannelGrid grid)
{
    switch (grid) {
    case ChannelGrid::MouseHopping: return QStringLiteral("edtFHSS");
    case ChannelGrid::KeyboardHopping: return QStringLiteral("edtKBDFHSS");
    case ChannelGrid::Rssi: return QStringLiteral("edtRSSI");
    }
    return QString();
}

}  // namespace

void TForm1::PaintGridCell(QLineEdit* cell, TColor colour)
{
    if (!cell || GridCellColour(cell) == colour)
        return;
    QPalette palette = cell->palette();
    palette.setColor(QPalette::Base, toQColor(colour));
    cell->setPalette(palette);
}

TColor TForm1::GridCellColour(const QLineEdit* cell)
{
    return cell ? fromQColor(cell->palette().color(QPalette::Base)) : 0;
}

void TForm1::paintGridRow(const ChannelMapRow& row)
{
    ensureEngineeringAreas();
    const size_t grid = size_t(row.grid);
    if (grid >= diagnostics_->shownRows.size() || row.row < 0 || row.row >= 4)
        return;
    std::optional<quint8>& shown = diagnostics_->shownRows[grid][size_t(row.row)];
    if (shown == row.bits)
        return;
    shown = row.bits;
    const QString prefix = GridPrefix(row.grid);
    for (int column = 0; column < 8; ++column)
        PaintGridCell(FindGridCell(prefix, row.row, column), ChannelCellColour(row.bits, column));
}

void TForm1::showSpecialReply(const SpecialReply& reply)
{
    ensureEngineeringAreas();
    if (reply.command < 1 || reply.command > int(diagnostics_->shownReplies.size()))
        return;
    auto& shown = diagnostics_->shownReplies[size_t(reply.command - 1)];
    if (shown == reply.bytes)
        return;
    shown = reply.bytes;
    for (int i = 0; i < int(reply.bytes.size()); ++i) {
        THexEdit* box = specialReplyBox(reply.command, i);
        const quint8 byte = reply.bytes[size_t(i)];
        const QString text = byte == 0 ? QStringLiteral("00") : IntToHexText(byte);
        if (box && box->text() != text)
            box->setText(text);
    }
}

void TForm1::btnSpecialCmd1Click(QObject* Sender)
{
    const QString name = Sender ? Sender->objectName() : QString();
    const int command = name.isEmpty() ? 0 : name.back().digitValue();
    const std::optional<SpecialReply> reply = link_->specialCommands.Run(command);
    if (!reply)
        return;
    showSpecialReply(*reply);
    for (const ChannelMapRow& row : ChannelMapRows(*reply))
        paintGridRow(row);
}

void TForm1::rbMSEClick(QObject*)
{
    link_->receiverControl.SelectDevice(rbMSE->isChecked());
}
