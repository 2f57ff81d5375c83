// The main window frmSchulferien: its making, its event handlers and the colour step.
// They change the window only through fenster() (platform/plattform.h).
#pragma once

#include <cstdint>

// Makes the window (hidden) from its layout, with the window's events going to the handlers
// below.
void frmSchulferien_erstellen();

// Event handlers.
void Form_Load();
void cmdAuswahl_Click(std::int16_t Index);

// Step 3.
void Farbe_auswaehlen();
