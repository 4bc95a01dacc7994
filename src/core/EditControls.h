#pragma once
// Which children of a picked window take the keys of "send to the first edit".
#include "ports/IWindowQueries.h"

enum class EditKind {
    None,
    Plain, // an Edit control
    Rich,  // a rich edit control: the text of Windows 11's Notepad and of WordPad
};

// An Edit whose parent is a combo box is that box's field (a font size, a file name), not the
// window's text: it is no edit here.
EditKind EditKindOf(IWindowQueries& windows, WindowHandle child);
