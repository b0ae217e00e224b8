#include "win32/HelpPicturePainter.h"

#include <algorithm>
#include <string>

#include "desktop/ControlTable.h"
#include "win32/ControlPainter.h"
#include "win32/GdiFonts.h"
#include "win32/WideText.h"

namespace veltrano {

namespace {

using Content = HelpPictureContent;

HFONT fontOf(FontId font, int pixels) {
    return GdiFonts::get(WideText::fromU16(ControlTable::font(font).face), pixels);
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

}  // namespace

HelpPicturePainter::HelpPicturePainter(HDC dc, const DisplayScale& scale)
    : m_dc(dc), m_scale(scale) {}

void HelpPicturePainter::paint(const RECT& area, const HelpPictureContent& content) {
    FillRect(m_dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const int pixelSize = fittingPixelSize(content);
    int top = area.top + m_scale.scaled(Content::kMargin);
    const int left = area.left + m_scale.scaled(Content::kMargin);
    for (const HelpSection& section : content.sections) {
        paintControl(POINT{left, top}, section);
        top += controlHeight(section.control) + m_scale.scaled(Content::kGapBelowControl);
        HGDIOBJ previous = SelectObject(m_dc, fontOf(FontId::Protocol, pixelSize));
        SetBkMode(m_dc, TRANSPARENT);
        SetTextColor(m_dc, RGB(0, 0, 0));
        const int spacing = lineSpacing(m_dc);
        for (const char16_t* line : section.lines) {
            const std::wstring text = WideText::fromU16(line);
            TextOutW(m_dc, left, top, text.c_str(), static_cast<int>(text.size()));
            top += spacing;
        }
        SelectObject(m_dc, previous);
        top += m_scale.scaled(Content::kGapBetweenSections);
    }
}

// The largest size that fits; one below the smallest when none does. The content's sizes are
// those at 96 dpi, each measured at the window's resolution.
int HelpPicturePainter::fittingPixelSize(const HelpPictureContent& content) {
    int designSize = Content::kLargestPixelSize;
    for (; designSize >= Content::kSmallestPixelSize; --designSize) {
        HGDIOBJ previous = SelectObject(m_dc, fontOf(FontId::Protocol, m_scale.scaled(designSize)));
        const int spacing = lineSpacing(m_dc);
        int widest = 0;
        int height = m_scale.scaled(Content::kMargin);
        for (const HelpSection& section : content.sections) {
            for (const char16_t* line : section.lines) {
                widest = std::max(widest, lineWidth(m_dc, WideText::fromU16(line)));
            }
            height += controlHeight(section.control) + m_scale.scaled(Content::kGapBelowControl) +
                      static_cast<int>(section.lines.size()) * spacing +
                      m_scale.scaled(Content::kGapBetweenSections);
        }
        SelectObject(m_dc, previous);
        if (widest <= m_scale.scaled(content.width - 2 * Content::kMargin) &&
            height <= m_scale.scaled(content.height)) {
            break;
        }
    }
    return m_scale.scaled(designSize);
}

int HelpPicturePainter::controlHeight(HelpSection::Control control) const {
    switch (control) {
        case HelpSection::Control::RunButton:
            return m_scale.pixels(ControlTable::control(ControlId::Picture2).place.height);
        case HelpSection::Control::FillLevelList:
            return m_scale.pixels(ControlTable::control(ControlId::cmbFuellstand).place.height);
        case HelpSection::Control::ChangeAllBox:
            return m_scale.pixels(ControlTable::control(ControlId::chkChangeAll).place.height);
    }
    return 0;
}

// A control's design place moved to `at`.
RECT HelpPicturePainter::placedAt(ControlId control, POINT at) const {
    RECT place = m_scale.pixels(ControlTable::control(control).place);
    OffsetRect(&place, at.x - place.left, at.y - place.top);
    return place;
}

void HelpPicturePainter::paintControl(POINT at, const HelpSection& section) {
    const FontDesign& dialog = ControlTable::font(FontId::Dialog);
    HGDIOBJ previous =
        SelectObject(m_dc, fontOf(FontId::Dialog, m_scale.fontPixels(dialog.points)));
    const std::wstring caption = WideText::fromU16(section.caption);
    const ControlPainter painter(m_dc, m_scale);
    switch (section.control) {
        case HelpSection::Control::RunButton: {
            const RECT frame = placedAt(ControlId::Picture2, at);
            RECT button = m_scale.pixels(ControlTable::control(ControlId::cmdCorrectPickups).place);
            OffsetRect(&button, frame.left, frame.top);
            painter.runButton(frame, button, caption);
            break;
        }
        case HelpSection::Control::FillLevelList:
            painter.fillLevelList(placedAt(ControlId::cmbFuellstand, at), caption);
            break;
        case HelpSection::Control::ChangeAllBox:
            painter.changeAllBox(placedAt(ControlId::chkChangeAll, at), caption);
            break;
    }
    SelectObject(m_dc, previous);
}

}  // namespace veltrano
