#include "win32/ControlPainter.h"

namespace veltrano {

namespace {

void fill(HDC dc, const RECT& area, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void text(HDC dc, RECT area, const std::wstring& caption, UINT format) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
              format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace

ControlPainter::ControlPainter(HDC dc, const DisplayScale& scale) : m_dc(dc), m_scale(scale) {}

void ControlPainter::runButton(const RECT& frame, const RECT& button,
                               const std::wstring& caption) const {
    fill(m_dc, frame, RGB(0, 255, 0));
    RECT face = button;
    DrawFrameControl(m_dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
    text(m_dc, button, caption, DT_CENTER);
}

void ControlPainter::fillLevelList(const RECT& list, const std::wstring& item) const {
    RECT field = list;
    fill(m_dc, field, GetSysColor(COLOR_WINDOW));
    DrawEdge(m_dc, &field, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const int arrowWidth = m_scale.systemMetric(SM_CXVSCROLL);
    RECT arrow{field.right - arrowWidth, field.top, field.right, field.bottom};
    DrawFrameControl(m_dc, &arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    RECT itemArea{field.left + m_scale.scaled(3), field.top, arrow.left, field.bottom};
    text(m_dc, itemArea, item, DT_LEFT);
}

// The tick box of the standard check box: 13 pixels square at 96 dpi, 4 from its caption.
void ControlPainter::changeAllBox(const RECT& box, const std::wstring& caption) const {
    const int tick = m_scale.scaled(13);
    const int tickTop = (box.top + box.bottom - tick) / 2;
    RECT tickArea{box.right - tick, tickTop, box.right, tickTop + tick};
    DrawFrameControl(m_dc, &tickArea, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    RECT captionArea{box.left, box.top, tickArea.left - m_scale.scaled(4), box.bottom};
    text(m_dc, captionArea, caption, DT_RIGHT);
}

}  // namespace veltrano
