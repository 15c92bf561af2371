#include "cli/cli_link.h"

#include "link/engine_loading.h"
#include "link/ethernet_connect.h"
#include "link/modem_dialler.h"
#include "link/modem_results.h"
#include "link/serial_port_opener.h"
#include "settings/com_port_names.h"

namespace {

LinkRecord withOptions(LinkRecord link, const CliOptions& options)
{
    link.address = static_cast<std::uint8_t>(options.address.value_or(link.address));
    link.bitRate = options.baud.value_or(link.bitRate);
    link.preambles = static_cast<std::uint8_t>(options.preambles.value_or(link.preambles));
    link.attempts = static_cast<std::uint8_t>(options.attempts.value_or(link.attempts));
    link.interByteMs = options.interByteMs.value_or(link.interByteMs);
    link.answerTimeoutS = options.answerTimeoutS.value_or(link.answerTimeoutS);
    return link;
}

// Dials the controller over the modem on the engine's open port; a failed
// dialling closes the port.
int dialModem(const CliOptions& options, const PhoneSettings& phone, hgcbox& engine, Operator& person,
              QTextStream& errors)
{
    ModemDialler modem(*engine.transport(), person, StatusPanel::Modem);
    const int result = modem.Dial(*options.phone, options.modemInit.value_or(phone.command),
                                  options.dialAttempts.value_or(phone.dialAttempts),
                                  options.connectWaitS.value_or(phone.connectWaitS));
    if (result == DialResult::Connected)
        return 0;
    errors << dialResultText(result) << '\n';
    engine.closeLink();
    return 1;
}

int connectSerial(const CliOptions& options, const Settings& settings, QMap<int, QString> comPorts, hgcbox& engine,
                  Operator& person, QTextStream& errors)
{
    const std::optional<ComPortNames::Port> port = ComPortNames(comPorts).parse(options.port);
    if (!port || port->device.isEmpty()) {
        errors << usageErrorText(
            QStringLiteral("--serial: %1 is neither COM1 to COM255 with a device nor a device path").arg(options.port));
        return 2;
    }
    // A device without a port number of its own is opened as port 0.
    comPorts.insert(port->number, port->device);

    // Behind a modem the line stays open from the dialling to the hang-up, and
    // the PC has no transmitter to switch.
    const bool dialled = options.phone.has_value();
    LinkRecord link = withOptions(dialled ? settings.phone.link : settings.direct, options);
    link.port = static_cast<std::uint8_t>(port->number);
    engine.setSettings(
        withSerialLink(engine.settings(), link, dialled ? LinkKind::Modem : LinkKind::Direct, settings.current));
    engine.setPortOpener(serialPortOpener(ComPortNames(comPorts)));
    if (engine.settings().openPerRequest)
        return 0;
    if (!engine.openPort()) {
        errors << QStringLiteral("Коммуникационный порт %1 недоступен")
                      .arg(port->number != 0 ? QStringLiteral("СОМ%1").arg(port->number) : port->device)
               << '\n';
        return 1;
    }
    return dialled ? dialModem(options, settings.phone, engine, person, errors) : 0;
}

} // namespace

int connectEngine(const CliOptions& options, const Settings& settings, const QMap<int, QString>& comPorts,
                  hgcbox& engine, Operator& person, QTextStream& errors)
{
    if (!options.tcp)
        return connectSerial(options, settings, comPorts, engine, person, errors);
    EthernetSettings ethernet = settings.ethernet;
    ethernet.link = withOptions(settings.ethernet.link, options);
    ethernet.sendPauseMs = options.sendPauseMs.value_or(ethernet.sendPauseMs);
    return connectEthernetHost(options.host, options.service, ethernet.link.address, ethernet, engine, person) ? 0 : 1;
}

void disconnectEngine(const CliOptions& options, hgcbox& engine, Operator& person)
{
    if (options.phone && engine.linkOpen())
        ModemDialler(*engine.transport(), person, std::nullopt).hangUp();
    engine.closeLink();
}
