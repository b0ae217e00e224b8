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

void ControlPainter::runButton(HDC dc, const RECT& frame, const RECT& button,
                               const std::wstring& caption) {
    fill(dc, frame, RGB(0, 255, 0));
    RECT face = button;
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
    text(dc, button, caption, DT_CENTER);
}

void ControlPainter::fillLevelList(HDC dc, const RECT& list, const std::wstring& item) {
    RECT field = list;
    fill(dc, field, GetSysColor(COLOR_WINDOW));
    DrawEdge(dc, &field, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const int arrowWidth = GetSystemMetrics(SM_CXVSCROLL);
    RECT arrow{field.right - arrowWidth, field.top, field.right, field.bottom};
    DrawFrameControl(dc, &arrow, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    RECT itemArea{field.left + 3, field.top, arrow.left, field.bottom};
    text(dc, itemArea, item, DT_LEFT);
}

void ControlPainter::changeAllBox(HDC dc, const RECT& box, const std::wstring& caption) {
    const int tick = 13;
    const int tickTop = (box.top + box.bottom - tick) / 2;
    RECT tickArea{box.right - tick, tickTop, box.right, tickTop + tick};
    DrawFrameControl(dc, &tickArea, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    RECT captionArea{box.left, box.top, tickArea.left - 4, box.bottom};
    text(dc, captionArea, caption, DT_RIGHT);
}

}  // namespace veltrano
