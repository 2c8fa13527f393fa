#pragma once

#include "protocol/receiver/StatusEvents.h"

#include <QJsonObject>
#include <QString>

#include <utility>
#include <vector>

// What status prints of a receiver and its reading, in JSON and for people; the watch prints
// the same pieces.
QString Hex2(int value);
QString Hex4(int value);

// "sim:hidraw1 (7A3C:0E41)"
QString ReceiverText(const WatchedReceiver& receiver);
// "mouse 6 of 7 (good), keyboard 4 of 7"
QString BatteryText(const BatteryLevels& levels);

// A battery band's name in JSON ("good", "low", "critical"), and its word for people.
QString BandName(BatteryBand band);
QString BandWord(BatteryBand band);

// Every key of status --json, the reach among them; a reading the receiver did not give is
// null.
void StatusDocument(QJsonObject& doc, const WatchedReceiver& receiver);
// The battery's keys alone: levels, maxima and the mouse's band.
void BatteryDocument(QJsonObject& doc, const std::optional<BatteryLevels>& levels);
// The label and value rows of status.
std::vector<std::pair<QString, QString>> StatusRows(const WatchedReceiver& receiver);
