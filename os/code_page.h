#pragma once

// False where Notepad would show the report's Windows-1257 letters wrongly:
// on a Windows whose code page for programs without Unicode is not 1257.
// True on other systems, which have no such default.
bool UzrasuKnygeleRodysRaides();
