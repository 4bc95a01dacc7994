#pragma once
// A dialog template for FakeWindows, written as data in a test, e.g.
// FakeDialogTemplate{L"Dialog", {FakeControl::CheckBox(1030, L"Enable"),
// FakeControl::Edit(1031).DigitsOnly()}}. The program's own dialogs come from its resource script:
// fakes/ResourceDialogTemplates.h.
#include <string>
#include <utility>
#include <vector>

#include "ports/WinTypes.h"

enum class FakeControlKind {
    Dialog, // a window created from a template
    Window, // any other window a test adds (another program's window, a tooltip)
    PushButton,
    DefPushButton,
    CheckBox, // automatic check box: a click toggles it
    Radio,    // automatic radio button: a click checks it and clears the rest of its group
    Edit,
    ComboBox, // drop-down list
    Static,
    GroupBox,
    HotKey,
};

struct FakeControl {
    int id = 0;
    FakeControlKind kind = FakeControlKind::Static;
    std::wstring text;
    bool visible = true;
    bool enabled = true;
    bool digitsOnly = false; // typing refuses anything but digits; pasting does not
    bool groupStart = false; // starts a new radio group
    bool tabStop = true;
    Rect rect; // in the dialog's client area, for hit testing

    static FakeControl Make(int id, FakeControlKind kind, std::wstring text) {
        FakeControl c;
        c.id = id;
        c.kind = kind;
        c.text = std::move(text);
        return c;
    }
    static FakeControl PushButton(int id, std::wstring text = L"") {
        return Make(id, FakeControlKind::PushButton, std::move(text));
    }
    static FakeControl DefPushButton(int id, std::wstring text = L"") {
        return Make(id, FakeControlKind::DefPushButton, std::move(text));
    }
    static FakeControl CheckBox(int id, std::wstring text = L"") {
        return Make(id, FakeControlKind::CheckBox, std::move(text));
    }
    static FakeControl Radio(int id, std::wstring text = L"") {
        return Make(id, FakeControlKind::Radio, std::move(text));
    }
    static FakeControl Edit(int id, std::wstring text = L"") {
        return Make(id, FakeControlKind::Edit, std::move(text));
    }
    static FakeControl ComboBox(int id) { return Make(id, FakeControlKind::ComboBox, L""); }
    static FakeControl HotKey(int id) { return Make(id, FakeControlKind::HotKey, L""); }
    static FakeControl Static(int id, std::wstring text = L"") {
        return Make(id, FakeControlKind::Static, std::move(text)).NoTabStop();
    }
    static FakeControl GroupBox(std::wstring text = L"") {
        return Make(-1, FakeControlKind::GroupBox, std::move(text)).NoTabStop();
    }

    FakeControl Hidden() const { return With(&FakeControl::visible, false); }
    FakeControl Disabled() const { return With(&FakeControl::enabled, false); }
    FakeControl DigitsOnly() const { return With(&FakeControl::digitsOnly, true); }
    FakeControl StartsGroup() const { return With(&FakeControl::groupStart, true); }
    FakeControl NoTabStop() const { return With(&FakeControl::tabStop, false); }
    FakeControl At(Rect r) const { return With(&FakeControl::rect, r); }

private:
    template <typename T> FakeControl With(T FakeControl::*field, T value) const {
        FakeControl c = *this;
        c.*field = value;
        return c;
    }
};

struct FakeDialogTemplate {
    std::wstring caption;
    std::vector<FakeControl> controls;
    bool visible = false;          // WS_VISIBLE: shown as soon as it is created
    Rect rect{100, 100, 500, 400}; // screen position when created
};
