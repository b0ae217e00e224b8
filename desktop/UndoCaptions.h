#pragma once

namespace veltrano {

// The texts of the boxes that undo the route's last run, in each language. UTF-16, lines end in
// CR LF. Each names what it shows in braces, to be filled in: {date} and {time} of the run,
// {files} (one track file a line), {route} (the route folder), {routeId}, {problems} (the
// "*** ..." lines of a failed undo).
struct UndoCaptions {
    const char16_t* question;       // Yes undoes the run, No leaves everything as it is
    const char16_t* undone;         // after the files were put back
    const char16_t* notUndone;      // after a file could not be put back
    const char16_t* nothingToUndo;  // the backup folders hold no copy of the route's files

    static const UndoCaptions& german();
    static const UndoCaptions& english();
    static const UndoCaptions& of(bool german) {
        return german ? UndoCaptions::german() : english();
    }
};

}  // namespace veltrano
