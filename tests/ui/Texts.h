#pragma once

#include <QString>
#include <string>

namespace veltrano::test {

// Readable failure output for Qt texts.
inline std::string utf8(const QString& text) {
    return text.toStdString();
}

// The start-up notice of a usable route folder.
inline QString englishNotice() {
    return QStringLiteral(
        "This program will change the *.tdb and the *.tit files of the route.\r\n\r\n"
        "So backup the route before!\r\n\r\n"
        "World files of the route should be uncompressed.\r\n\r\n"
        "No liability for potential damages will be assumed!\r\n");
}

inline QString germanNotice() {
    return QStringLiteral(
        "Dieses Programm wird die *.tdb und die *.tit Dateien der Strecke ändern.\r\n\r\n"
        "Machen sie daher zuerst eine Sicherheitskopie der Strecke!\r\n\r\n"
        "Die Worlddateien der Strecke sollten unkomprimiert sein.\r\n\r\n"
        "Es wird keine Haftung für Schäden durch dieses Programm übernommen!\r\n");
}

}  // namespace veltrano::test
