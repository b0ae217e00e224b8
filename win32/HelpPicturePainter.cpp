#include "win32/HelpPicturePainter.h"

#include <algorithm>
#include <string>

#include "desktop/ControlTable.h"
#include "win32/ChildControls.h"
#include "win32/ControlPainter.h"
#include "win32/GdiFonts.h"
#include "win32/WideText.h"

namespace veltrano {

namespace {

using Content = HelpPictureContent;

HFONT lineFont(int pixels) {
    return GdiFonts::get(L"Courier New", pixels);
}

int lineSpacing(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

int lineWidth(HDC dc, const std::wstring& line) {
    SIZE size{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
    return size.cx;
}

// A control's design place moved to `at`.
RECT placedAt(ControlId control, POINT at) {
    RECT place = ChildControls::pixelRect(ControlTable::control(control).place);
    OffsetRect(&place, at.x - place.left, at.y - place.top);
    return place;
}

}  // namespace

void HelpPicturePainter::paint(HDC dc, const RECT& area, const HelpPictureContent& content) {
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const int pixelSize = fittingPixelSize(dc, content);
    int top = area.top + Content::kMargin;
    const int left = area.left + Content::kMargin;
    for (const HelpSection& section : content.sections) {
        paintControl(dc, POINT{left, top}, section);
        top += controlHeight(section.control) + Content::kGapBelowControl;
        HGDIOBJ previous = SelectObject(dc, lineFont(pixelSize));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        const int spacing = lineSpacing(dc);
        for (const char16_t* line : section.lines) {
            const std::wstring text = WideText::fromU16(line);
            TextOutW(dc, left, top, text.c_str(), static_cast<int>(text.size()));
            top += spacing;
        }
        SelectObject(dc, previous);
        top += Content::kGapBetweenSections;
    }
}

// The largest size that fits; one below the smallest when none does.
int HelpPicturePainter::fittingPixelSize(HDC dc, const HelpPictureContent& content) {
    int pixelSize = Content::kLargestPixelSize;
    for (; pixelSize >= Content::kSmallestPixelSize; --pixelSize) {
        HGDIOBJ previous = SelectObject(dc, lineFont(pixelSize));
        const int spacing = lineSpacing(dc);
        int widest = 0;
        int height = Content::kMargin;
        for (const HelpSection& section : content.sections) {
            for (const char16_t* line : section.lines) {
                widest = std::max(widest, lineWidth(dc, WideText::fromU16(line)));
            }
            height += controlHeight(section.control) + Content::kGapBelowControl +
                      static_cast<int>(section.lines.size()) * spacing +
                      Content::kGapBetweenSections;
        }
        SelectObject(dc, previous);
        if (widest <= content.width - 2 * Content::kMargin && height <= content.height) {
            break;
        }
    }
    return pixelSize;
}

int HelpPicturePainter::controlHeight(HelpSection::Control control) {
    switch (control) {
        case HelpSection::Control::RunButton:
            return twipsToPixels(ControlTable::control(ControlId::Picture2).place.height);
        case HelpSection::Control::FillLevelList:
            return twipsToPixels(ControlTable::control(ControlId::cmbFuellstand).place.height);
        case HelpSection::Control::ChangeAllBox:
            return twipsToPixels(ControlTable::control(ControlId::chkChangeAll).place.height);
    }
    return 0;
}

void HelpPicturePainter::paintControl(HDC dc, POINT at, const HelpSection& section) {
    HGDIOBJ previous = SelectObject(
        dc, GdiFonts::get(L"MS Sans Serif",
                          GdiFonts::pixelsOfPoints(ControlTable::points(FontId::Dialog))));
    const std::wstring caption = WideText::fromU16(section.caption);
    switch (section.control) {
        case HelpSection::Control::RunButton: {
            const RECT frame = placedAt(ControlId::Picture2, at);
            RECT button =
                ChildControls::pixelRect(ControlTable::control(ControlId::cmdCorrectPickups).place);
            OffsetRect(&button, frame.left, frame.top);
            ControlPainter::runButton(dc, frame, button, caption);
            break;
        }
        case HelpSection::Control::FillLevelList:
            ControlPainter::fillLevelList(dc, placedAt(ControlId::cmbFuellstand, at), caption);
            break;
        case HelpSection::Control::ChangeAllBox:
            ControlPainter::changeAllBox(dc, placedAt(ControlId::chkChangeAll, at), caption);
            break;
    }
    SelectObject(dc, previous);
}

}  // namespace veltrano
