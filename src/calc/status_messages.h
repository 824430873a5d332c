#pragma once
// The program's status-line messages in one
// table, English for Language 0 and Japanese otherwise. Templates keep the printf-style fields
// of the documented texts (%s, %d, %ld); statusMessage() fills them in order.

#include <QString>

#include <cstdint>
#include <initializer_list>

namespace calc {

enum class StatusId {
    Moved,              // "Moved %s."                     
    CannotMove,         // "Cannot move %s."               
    DomainError,        // "DOMAIN error."                 
    OverflowError,      // "Slide Rule overflow error."    
    CopiedToEditBox,    // "Copied "%s" in the EditBox."   
    CopiedToClipboard,  // "Copied "%s" in the Clipboard." 
    SavedMemory,        // "Saved the position of %s. <Memory %d>" 
    LoadedMemory,       // "Loaded the position of %s. <Memory %d>"
    Greeting,           // "\"%s\"   %s - %s"              
    Positions,          // "Slide Position=%ld, Cursor Position=%ld,"
    BuildDateTime,      // "Build Date & Time:  %s "       
};

// The moving parts as messages name them.
enum class MovePart : int16_t { Slide = 0, Cursor = 1 };

// The template of a message in the language (0 English, any other value Japanese).
QString statusTemplate(StatusId id, int language);

// "SLIDE" / "CURSOR" in English, "渇尺" / "カーソル" in Japanese.
QString partName(MovePart part, int language);

// The template with its %s, %d and %ld fields replaced by the arguments in order.
QString statusMessage(StatusId id, int language, std::initializer_list<QString> arguments);

// The eight greetings of the CURSOR label's greeting line; entry r modulo 8.
QString greeting(int index);
// The program name and version text of the greeting line.
inline constexpr char16_t kProgramName[] = u"Kestrin";
inline constexpr char16_t kVersionText[] = u"version 3.2.0";

}  // namespace calc
