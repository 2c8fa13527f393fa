#include "sim/SimReceivers.h"

#include "sim/ReceiverModel.h"
#include "sim/SimHidBackend.h"

namespace SimReceivers {

namespace {

const char kProduct[] = "2.4G RF Receiver";

SimCollection mouseCollection()
{
    SimCollection c;
    c.usagePage = 0x0001;
    c.usage = 0x0002;
    c.inputLength = 5;
    c.featureLength = 8;
    return c;
}

SimCollection keyboardCollection()
{
    SimCollection c;
    c.usagePage = 0x0001;
    c.usage = 0x0006;
    c.inputLength = 9;
    c.outputLength = 2;
    c.featureLength = 8;
    return c;
}

}  // namespace

SimDeviceProfile receiverProfile()
{
    SimDeviceProfile profile;
    profile.vendorId = kVendorId;
    profile.productId = kProductId;
    profile.product = QString::fromLatin1(kProduct);
    profile.collections = {mouseCollection(), keyboardCollection()};
    return profile;
}

SimDeviceProfile mouseOnlyReceiverProfile()
{
    SimDeviceProfile profile = receiverProfile();
    profile.collections = {mouseCollection()};
    return profile;
}

SimDeviceProfile plainKeyboardProfile()
{
    SimDeviceProfile profile;
    profile.vendorId = 0x1209;
    profile.productId = 0x0001;
    profile.product = QStringLiteral("USB Keyboard");
    SimCollection c = keyboardCollection();
    c.featureLength = 0;
    c.reportId = 0;
    profile.collections = {c};
    return profile;
}

std::shared_ptr<ReceiverModel> defaultFirmware()
{
    auto firmware = std::make_shared<ReceiverModel>();
    ReceiverEeprom& eeprom = firmware->eeprom();
    eeprom.storeIdentity(kVendorId, kProductId, QString::fromLatin1(kProduct));
    const quint8 mouseAddress[] = {0x12, 0x34, 0x56};
    for (quint8 i = 0; i < 3; ++i)
        eeprom.setWord(i, ReceiverEeprom::paired(mouseAddress[i]));
    return firmware;
}

std::shared_ptr<ReceiverModel> demoFirmware()
{
    auto firmware = defaultFirmware();
    ReceiverEeprom& eeprom = firmware->eeprom();
    const quint16 hotkeys[] = {0x926D, 0x01FE, 0xCD32, 0x00FF};  // CALCULATOR, PLAY/PAUSE
    for (quint8 i = 0; i < 4; ++i)
        eeprom.setWord(quint8(3 + i), hotkeys[i]);

    MouseModel& mouse = firmware->mouse();
    mouse.setMoving(true);
    const quint8 options[][2] = {{0x12, 0x00}, {0x14, 0x55}, {0x16, 0xC5}, {0x1A, 0xA0}};
    for (const auto& option : options) {
        mouse.setEeprom(option[0], option[1]);
        mouse.setEeprom(quint8(option[0] + 1), quint8(option[1] ^ 0xFF));
    }
    mouse.setCpi(800);

    firmware->setBattery({4, 6, 4, 6, 20000});  // a step down every 20 s
    firmware->setKeyboardActive(true);
    ReceiverModel::Radio& radio = firmware->radio();
    radio.mouseChannelMap = 0xF7FF7FEF;
    radio.keyboardChannelMap = 0xFFDFFBFF;
    radio.maskList = 0x08008010;
    radio.goodChannelCount = 28;
    firmware->setPairing({3000, false, 0});  // every pairing finds the next mouse ID
    return firmware;
}

std::shared_ptr<SimHidBackend> makeDemoBackend(std::shared_ptr<DeviceClock> clock, bool steady)
{
    auto backend = std::make_shared<SimHidBackend>(std::move(clock));
    // Nothing reads the demo's log, and a status tick adds six entries a second: a few
    // sequences' worth keeps the memory of a window left open for days flat.
    backend->log().setCapacity(2048);
    std::shared_ptr<ReceiverModel> firmware = demoFirmware();
    if (steady)
        firmware->setBattery({4, 6, 4, 6, 0});
    backend->plug(receiverProfile(), firmware);
    backend->plug(plainKeyboardProfile());
    return backend;
}

}  // namespace SimReceivers
