#pragma once
// The program's status-line messages (Part 4.7, "Status messages of the whole program") in one
// table, English for Language 0 and Japanese otherwise. Templates keep the printf-style fields
// of the documented texts (%s, %d, %ld); statusMessage() fills them in order.

#include <QString>

#include <cstdint>
#include <initializer_list>

namespace calc {

enum class StatusId {
    Moved,              // "Moved %s."                      (Part 3.2)
    CannotMove,         // "Cannot move %s."                (Part 3.2)
    DomainError,        // "DOMAIN error."                  (Part 3.2, English in both)
    OverflowError,      // "Slide Rule overflow error."     (Part 3.2, English in both)
    CopiedToEditBox,    // "Copied "%s" in the EditBox."    (Part 4.4)
    CopiedToClipboard,  // "Copied "%s" in the Clipboard."  (Part 4.5)
    SavedMemory,        // "Saved the position of %s. <Memory %d>"  (Part 4.6)
    LoadedMemory,       // "Loaded the position of %s. <Memory %d>" (Part 4.6)
    Greeting,           // "\"%s\"   %s - %s"               (Part 4.2, English in both)
    Positions,          // "Slide Position=%ld, Cursor Position=%ld," (Part 4.2)
    BuildDateTime,      // "Build Date & Time:  %s "        (Part 4.2)
};

// The moving parts as messages name them.
enum class MovePart : int16_t { Slide = 0, Cursor = 1 };

// The template of a message in the language (0 English, any other value Japanese).
QString statusTemplate(StatusId id, int language);

// "SLIDE" / "CURSOR" in English, "渇尺" / "カーソル" in Japanese.
QString partName(MovePart part, int language);

// The template with its %s, %d and %ld fields replaced by the arguments in order.
QString statusMessage(StatusId id, int language, std::initializer_list<QString> arguments);

// The eight greetings of the CURSOR label's greeting line (Part 4.2); entry r modulo 8.
QString greeting(int index);
// The program name and version text of the greeting line.
inline constexpr char16_t kProgramName[] = u"Kestrin";
inline constexpr char16_t kVersionText[] = u"version 3.2.0";

}  // namespace calc
