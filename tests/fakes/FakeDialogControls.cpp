#include "fakes/FakeDialogControls.h"

#include "resource.h"

FakeDialogControls::FakeDialogControls(FakeWindowTree& tree) : m_tree(tree) {
    m_strings[IDS_APP_TITLE] = L"" TAPWELL_APP_TITLE;
}

WindowHandle FakeDialogControls::CreateDialogFromTemplate(std::uint32_t templateId, WindowHandle parent,
                                                          IWindowProcedure* procedure) {
    m_tree.Log().Add(Call("CreateDialogFromTemplate", {std::to_string(templateId), Hex(parent)}));
    const auto found = m_templates.find(templateId);
    if (found == m_templates.end() || (parent != 0 && m_tree.FindLive(parent) == nullptr)) {
        return 0;
    }
    const FakeDialogTemplate dialogTemplate = found->second;
    FakeWindow& dialog = m_tree.NewWindow(FakeControlKind::Dialog, parent, false);
    dialog.text = dialogTemplate.caption;
    dialog.visible = dialogTemplate.visible;
    dialog.rect = dialogTemplate.rect;
    dialog.procedure = procedure;
    dialog.templateId = templateId;
    const WindowHandle handle = dialog.handle;
    for (const FakeControl& control : dialogTemplate.controls) {
        FakeWindow& window = m_tree.NewWindow(control.kind, handle, true);
        window.id = control.id;
        window.text = control.text;
        window.visible = control.visible;
        window.enabled = control.enabled;
        window.digitsOnly = control.digitsOnly;
        window.groupStart = control.groupStart;
        window.tabStop = control.tabStop;
        window.rect = control.rect;
    }

    const WindowHandle firstTabStop = m_tree.NextTabStop(handle, 0);
    LResult result = 0;
    const bool handled =
        procedure != nullptr && procedure->HandleMessage(handle, WM_INITDIALOG, firstTabStop, 0, &result);
    FakeWindow* created = m_tree.FindLive(handle);
    if (created == nullptr) {
        return 0;
    }
    // FALSE from WM_INITDIALOG means the procedure has placed the focus itself.
    if (!handled || result != 0) {
        created->lastFocus = firstTabStop;
    }
    if (created->visible) {
        m_tree.Activate(handle);
    }
    return handle;
}

bool FakeDialogControls::ShowWindow(WindowHandle window, int command) {
    FakeWindow* target = Logged(Call("ShowWindow", {Hex(window), std::to_string(command)}), window);
    if (target == nullptr) {
        return false;
    }
    const auto show = static_cast<std::uint32_t>(command);
    const bool minimize = show == SW_SHOWMINIMIZED || show == SW_MINIMIZE || show == SW_SHOWMINNOACTIVE;
    target->iconic = minimize || (target->iconic && show != SW_SHOWNORMAL && show != SW_RESTORE);
    if (show == SW_HIDE && m_tree.m_active == window) {
        m_tree.m_active = m_tree.m_focus = 0;
    }
    if (!minimize && show != SW_HIDE && show != SW_SHOWNOACTIVATE && show != SW_SHOWNA && !target->child) {
        m_tree.Activate(window);
    }
    return std::exchange(target->visible, show != SW_HIDE);
}
