// What the port doctor found, as quorvane-link ports prints it.
#include "portdoctor.h"

#include <QCoreApplication>

namespace portdoctor {

namespace {

QString indented(const QString& text)
{
    return QStringLiteral("      ") + text + QLatin1Char('\n');
}

} // namespace

QString summary(const Device& d)
{
    if (!d.exists)
        return d.what;
    QStringList lines;
    lines << (d.node == d.path ? d.what : QStringLiteral("%1: %2").arg(d.node, d.what));
    if (!d.byId.isEmpty() && d.byId != d.path)
        lines << QCoreApplication::translate("portdoctor", "stable name %1").arg(d.byId);
    lines << d.access;
    QStringList holders;
    for (const Holder& h : d.holders)
        //: A program that has the device open: %1 its command, %2 its process number
        holders << (h.locked ? QCoreApplication::translate("portdoctor",
                                                           "%1 (pid %2, holding it exclusively)")
                             : QCoreApplication::translate("portdoctor", "%1 (pid %2)"))
                       .arg(h.command)
                       .arg(h.pid);
    if (!holders.isEmpty())
        lines << QCoreApplication::translate("portdoctor", "open in %1")
                     .arg(holders.join(QStringLiteral(", ")));
    if (d.exclusive)
        lines << QCoreApplication::translate(
            "portdoctor", "held exclusively by another program: nothing else can open it "
                          "until that program lets go");
    if (!d.openError.isEmpty())
        lines << QCoreApplication::translate("portdoctor", "opening it fails: %1").arg(d.openError);
    return lines.join(u'\n');
}

QString reportText(const Report& report)
{
    QString text =
        QCoreApplication::translate("portdoctor", "Settings file: %1\n").arg(report.settingsFile);
    for (const ComEntry& e : report.entries) {
        text += QStringLiteral("COM%1  %2  (%3)")
                    .arg(e.number)
                    .arg(e.device.path, e.fromSettings
                                            ? QStringLiteral("[Ports]")
                                            //: Where a COM entry's device comes from: no line in
                                            //: the settings file names it
                                            : QCoreApplication::translate("portdoctor", "default"));
        if (!e.device.exists) {
            text += QStringLiteral("  %1\n").arg(e.device.what);
            continue;
        }
        text += QLatin1Char('\n');
        for (const QString& line : summary(e.device).split(u'\n'))
            text += indented(line);
    }
    if (report.unmapped.isEmpty())
        return text + QCoreApplication::translate(
                          "portdoctor",
                          "No other serial device found (USB adapters, /dev/serial/by-id).\n");
    text += QCoreApplication::translate("portdoctor", "\nSerial devices no COM entry maps to:\n");
    for (const Device& d : report.unmapped) {
        text += QStringLiteral("%1\n").arg(d.path);
        for (const QString& line : summary(d).split(u'\n'))
            text += indented(line);
        const QString line =
            QStringLiteral("COM%1=%2")
                .arg(report.freeEntry ? QString::number(report.freeEntry) : QStringLiteral("n"))
                .arg(d.byId.isEmpty() ? d.path : d.byId);
        text += indented(
            QCoreApplication::translate("portdoctor", "to use it, add to %1 under [Ports]: %2")
                .arg(report.settingsFile, line));
    }
    return text;
}

} // namespace portdoctor
