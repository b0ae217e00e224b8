#include "win32/ChildControls.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/GdiFonts.h"
#include "win32/NativeControlId.h"
#include "win32/WideText.h"

namespace veltrano {

namespace {

// The closed drop-down list is as high as the design says; its open list shows this many
// pixels (at 96 dpi) of items below it.
constexpr int kOpenListHeight = 160;
// A combo box is its selection field plus a border of about three pixels above and below.
constexpr int kComboBorder = 6;

COLORREF colourRef(int rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::size_t slot(ControlId control) {
    return static_cast<std::size_t>(indexOf(control));
}

// The closed list gets the design height: its selection field is as high as the design less
// the border, which differs between system versions and is measured.
void fitClosedHeight(HWND combo, int height) {
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - kComboBorder);
    RECT closed{};
    GetWindowRect(combo, &closed);
    const int border = (closed.bottom - closed.top) - (height - kComboBorder);
    SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height - border);
}

// Tab order first, controls without a place in it after; ties in table order.
std::vector<const ControlDesign*> inCreationOrder(WindowId window) {
    std::vector<const ControlDesign*> designs;
    for (const ControlDesign& design : ControlTable::controls()) {
        if (design.window == window && design.kind != ControlKind::Timer) {
            designs.push_back(&design);
        }
    }
    const auto rank = [](const ControlDesign* design) {
        return design->tabIndex < 0 ? kControlCount : design->tabIndex;
    };
    std::stable_sort(
        designs.begin(), designs.end(),
        [&](const ControlDesign* a, const ControlDesign* b) { return rank(a) < rank(b); });
    return designs;
}

}  // namespace

ChildControls::ChildControls(WindowId window, HWND parent, const DisplayScale& scale)
    : m_parent(parent), m_scale(scale), m_tips(parent) {
    for (const ControlDesign* design : inCreationOrder(window)) {
        create(*design);
        if (design->tabIndex >= 0) {
            m_tabOrder.push_back(design->id);
        }
    }
}

HWND ChildControls::nextInTabOrder(HWND focused, bool backwards) const {
    const auto count = static_cast<std::ptrdiff_t>(m_tabOrder.size());
    const std::optional<ControlId> current = controlOf(focused);
    const auto found =
        current ? std::find(m_tabOrder.begin(), m_tabOrder.end(), *current) : m_tabOrder.end();
    std::ptrdiff_t position =
        found == m_tabOrder.end() ? (backwards ? count : -1) : found - m_tabOrder.begin();
    for (std::ptrdiff_t step = 0; step < count; ++step) {
        position = (position + (backwards ? count - 1 : 1)) % count;
        HWND candidate = handle(m_tabOrder[static_cast<std::size_t>(position)]);
        if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

void ChildControls::create(const ControlDesign& design) {
    if (m_handles[slot(design.id)] != nullptr) {
        return;
    }
    m_places[slot(design.id)] = design.place;
    HWND parent = m_parent;
    if (!design.onWindow()) {
        // A frame is made before the first control inside it.
        create(ControlTable::control(design.parent));
        parent = handle(design.parent);
    }
    HWND native = createNative(design, parent);
    m_handles[slot(design.id)] = native;
    setFont(design);
    setListItems(design.id, {design.items.begin(), design.items.end()});
    ShowWindow(native, design.visible ? SW_SHOWNA : SW_HIDE);
}

void ChildControls::setFont(const ControlDesign& design) {
    const FontDesign& font = ControlTable::font(design.font);
    HFONT made = GdiFonts::get(WideText::fromU16(font.face), m_scale.fontPixels(font.points));
    HWND native = handle(design.id);
    SendMessageW(native, WM_SETFONT, reinterpret_cast<WPARAM>(made), TRUE);
    if (design.kind == ControlKind::ComboBox) {
        // After the font, which sets the height anew.
        fitClosedHeight(native, m_scale.pixels(m_places[slot(design.id)].height));
    }
}

RECT ChildControls::nativePlace(const ControlDesign& design) const {
    RECT place = m_scale.pixels(m_places[slot(design.id)]);
    if (design.kind == ControlKind::ComboBox) {
        place.bottom += m_scale.scaled(kOpenListHeight);
    }
    return place;
}

void ChildControls::layOut(const DisplayScale& scale) {
    m_scale = scale;
    for (const ControlDesign& design : ControlTable::controls()) {
        HWND native = design.kind == ControlKind::Timer ? nullptr : handle(design.id);
        if (native == nullptr) {
            continue;
        }
        const RECT place = nativePlace(design);
        SetWindowPos(native, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        setFont(design);
        InvalidateRect(native, nullptr, TRUE);
    }
}

HWND ChildControls::createNative(const ControlDesign& design, HWND parent) {
    const RECT place = nativePlace(design);
    const int id = NativeControlId::of(design.id);
    if (design.kind == ControlKind::PictureBox || design.kind == ControlKind::Image) {
        const COLORREF back = design.backColour == kSystemColour ? GetSysColor(COLOR_BTNFACE)
                                                                 : colourRef(design.backColour);
        auto& picture = m_pictures[slot(design.id)];
        picture =
            std::make_unique<PictureControl>(parent, id, place, [back](HDC dc, const RECT& area) {
                HBRUSH fill = CreateSolidBrush(back);
                FillRect(dc, &area, fill);
                DeleteObject(fill);
            });
        return picture->handle();
    }
    const wchar_t* className = WC_BUTTONW;
    DWORD style = WS_CHILD | (design.tabIndex >= 0 ? WS_TABSTOP : 0);
    DWORD extendedStyle = 0;
    switch (design.kind) {
        case ControlKind::CommandButton:
            style |= BS_PUSHBUTTON;
            break;
        case ControlKind::CheckBox:
            style |= BS_AUTOCHECKBOX | BS_LEFTTEXT | BS_RIGHT;
            break;
        case ControlKind::Label:
            className = WC_STATICW;
            // One line, as the design's label heights are: the last pixels of a caption that
            // only just fits are cut rather than the whole word moved to a hidden second line.
            style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX;
            break;
        case ControlKind::TextBox:
            className = WC_EDITW;
            style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
            extendedStyle = WS_EX_CLIENTEDGE;
            break;
        case ControlKind::ComboBox:
            className = WC_COMBOBOXW;
            style |= CBS_DROPDOWNLIST | WS_VSCROLL;
            break;
        default:
            break;
    }
    const std::wstring caption = WideText::fromU16(design.caption);
    HWND native = CreateWindowExW(extendedStyle, className, caption.c_str(), style, place.left,
                                  place.top, place.right - place.left, place.bottom - place.top,
                                  parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleW(nullptr), nullptr);
    if (design.kind == ControlKind::TextBox) {
        // The whole protocol of many runs, not the default 30,000 characters.
        SendMessageW(native, EM_SETLIMITTEXT, 0, 0);
    }
    return native;
}

HWND ChildControls::handle(ControlId control) const {
    return m_handles[slot(control)];
}

std::optional<ControlId> ChildControls::controlOf(HWND native) const {
    const std::optional<ControlId> control = NativeControlId::control(GetDlgCtrlID(native));
    if (!control || handle(*control) != native) {
        return std::nullopt;
    }
    return control;
}

void ChildControls::setCaption(ControlId control, const std::u16string& caption) {
    SetWindowTextW(handle(control), WideText::fromU16(caption).c_str());
}

void ChildControls::setToolTip(ControlId control, const std::u16string& tip) {
    m_tips.set(handle(control), WideText::fromU16(tip));
}

void ChildControls::setEnabled(ControlId control, bool enabled) {
    EnableWindow(handle(control), enabled ? TRUE : FALSE);
}

void ChildControls::setVisible(ControlId control, bool visible) {
    ShowWindow(handle(control), visible ? SW_SHOWNA : SW_HIDE);
}

void ChildControls::setPosition(ControlId control, int leftTwips, int topTwips) {
    TwipsRect& place = m_places[slot(control)];
    place.left = leftTwips;
    place.top = topTwips;
    SetWindowPos(handle(control), nullptr, m_scale.pixels(leftTwips), m_scale.pixels(topTwips), 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ChildControls::setListItems(ControlId list, const std::vector<std::u16string>& items) {
    if (ControlTable::control(list).kind != ControlKind::ComboBox) {
        return;
    }
    HWND native = handle(list);
    SendMessageW(native, CB_RESETCONTENT, 0, 0);
    for (const std::u16string& item : items) {
        const std::wstring text = WideText::fromU16(item);
        SendMessageW(native, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
}

void ChildControls::setListIndex(ControlId list, int index) {
    // CB_SETCURSEL sends no CBN_SELCHANGE: the model runs the click handler itself.
    SendMessageW(handle(list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ChildControls::setPainter(ControlId picture, PictureControl::Painter painter) {
    m_pictures[slot(picture)]->setPainter(std::move(painter));
}

HBRUSH ChildControls::colours(HWND native, HDC dc) {
    const std::optional<ControlId> control = controlOf(native);
    if (!control) {
        return nullptr;
    }
    const ControlDesign& design = ControlTable::control(*control);
    if (design.backColour == kSystemColour && design.foreColour == kSystemColour) {
        return nullptr;
    }
    if (design.foreColour != kSystemColour) {
        SetTextColor(dc, colourRef(design.foreColour));
    }
    const COLORREF back = design.backColour != kSystemColour ? colourRef(design.backColour)
                                                             : GetSysColor(COLOR_BTNFACE);
    SetBkColor(dc, back);
    return brush(back);
}

HBRUSH ChildControls::brush(COLORREF colour) {
    auto found = m_brushes.find(colour);
    if (found == m_brushes.end()) {
        found = m_brushes.emplace(colour, CreateSolidBrush(colour)).first;
    }
    return found->second;
}

}  // namespace veltrano
