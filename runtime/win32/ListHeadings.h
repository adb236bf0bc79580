// Headings over the columns of a fixed-pitch list.
#pragma once

#include <windows.h>

#include <span>

// A heading and the characters of a list line it stands over.
struct ColumnHeading {
    int id;
    int firstChar;
    int lastChar;
};

// The headings are laid out in the template for one width of the fixed-pitch face; the face the
// system gives may be narrower or wider, so each heading is centred over its column as the list will
// draw it, and the name heading starts where the list's text does.
void placeHeadingsOverColumns(HWND dialog, int listId, int nameHeadingId,
                              std::span<const ColumnHeading> headings);
