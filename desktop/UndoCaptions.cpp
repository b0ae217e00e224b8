#include "desktop/UndoCaptions.h"

namespace veltrano {

namespace {

constexpr UndoCaptions kGerman{
    u"Den letzten Lauf von Veltrano vom {date} um {time} r\u00fcckg\u00e4ngig machen?\r\n\r\n"
    u"Diese Streckendateien in {route} werden wiederhergestellt, wie sie vor dem Lauf "
    u"waren:\r\n{files}\r\n\r\nDie jetzigen Dateien werden vorher gesichert, so l\u00e4sst sich "
    u"auch das R\u00fcckg\u00e4ngigmachen r\u00fcckg\u00e4ngig machen.",
    u"Der Lauf vom {date} um {time} ist r\u00fcckg\u00e4ngig gemacht. Wiederhergestellt, wie sie "
    u"vor dem Lauf waren:\r\n{files}",
    u"Der Lauf vom {date} um {time} konnte nicht r\u00fcckg\u00e4ngig gemacht "
    u"werden:\r\n{problems}",
    u"Es gibt keinen Lauf zum R\u00fcckg\u00e4ngigmachen: die Sicherungsverzeichnisse in {route} "
    u"enthalten keine Kopie von {routeId}.tit oder {routeId}.tdb."};

constexpr UndoCaptions kEnglish{
    u"Undo the last run of Veltrano, made on {date} at {time}?\r\n\r\n"
    u"These track files in {route} are put back as they were before that run:\r\n{files}\r\n\r\n"
    u"The current files are backed up first, so the undo can itself be undone.",
    u"The run of {date} at {time} is undone. Put back as they were before it:\r\n{files}",
    u"The run of {date} at {time} could not be undone:\r\n{problems}",
    u"There is no run to undo: the backup folders in {route} hold no copy of {routeId}.tit or "
    u"{routeId}.tdb."};

}  // namespace

const UndoCaptions& UndoCaptions::german() {
    return kGerman;
}

const UndoCaptions& UndoCaptions::english() {
    return kEnglish;
}

}  // namespace veltrano
