#pragma once

// A text the game core makes for the player to read: here it stays the
// English text itself, and the window that shows it translates that English
// in CONTEXT (QCoreApplication::translate(CONTEXT, text)). The translation
// tools read the mark and gather the text into the catalogues. The core
// itself knows no language.
#define PEGLORE_TRANSLATABLE(context, text) text

// The same for a text with a count in it, written "%n": the window puts the
// count in as it translates (QCoreApplication::translate(CONTEXT, text,
// nullptr, count)), so that each language gets its plural forms.
#define PEGLORE_TRANSLATABLE_COUNT(context, text) text
