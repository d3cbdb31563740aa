// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small window behaviours shared by every window of the program.
#include "texts/texts.h"

#include <QKeyEvent>
#include <QMargins>
#include <QRect>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <span>

class QLabel;

namespace ktl {

// A new control with its objectName, as the designs and tests name it.
template <typename T>
T* named(T* w, const char* name) {
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

// Centres a window on its screen, `below` pixels under the middle.
void centreOnScreen(QWidget* window, int below = 0);

// The two colours of the design: light yellow for a field at rest or
// accepted, light green for the field or button that expects input.
inline const QColor kRestColour(255, 255, 192);
inline const QColor kInputColour(192, 255, 192);
// Paints a field or button in one of them (a button at rest takes the
// window's colour), with a text colour fixed with it so that it reads the
// same in a light or a dark desktop theme.
void setFieldColour(QWidget* w, bool awaitingInput);

// A label whose design fixes its text colour (Label7 black or red, I_Station
// red): its background is fixed with it, the light grey of the design's
// windows, so the text reads the same in a light or a dark desktop theme.
inline const QColor kLabelBackground(240, 240, 240);
void setLabelColour(QWidget* label, const QColor& text);

// Names a field for screen readers after the label over it, in the label's
// current language: the field's accessible name (a combo box's and its
// editable text's too) and the label's buddy.
void nameAfterLabel(QWidget* field, const QLabel* label);


// Where a window of `size` (its client area) goes inside `available`, a
// screen's free area, with `frame` the window manager's borders around it:
// `wanted` (left, top) kept when the whole frame fits, moved in when it
// does not, and the size cut to the screen but never under `minimum`.
QRect placeWithin(const QRect& wanted, const QRect& available, const QMargins& frame, const QSize& minimum);

// A fixed-pitch face for the lists: `family` ("Terminal", "Letter Gothic")
// where it is installed, else the system's fixed font, at `points`.
QFont fixedListFont(const QString& family, qreal points);

// Puts a caption table on a window: titles of the window and its menus,
// texts of its actions, labels, frames and buttons, and tooltips. A row
// whose text is null in this language leaves that caption as it is.
// Returns the controls the table names that the window does not have.
QStringList applyCaptions(QWidget* window, std::span<const CaptionRow> rows, Language language);

}  // namespace ktl
