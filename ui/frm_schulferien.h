// The main window frmSchulferien: its event handlers and the actions of its steps.
// They change the window only through fenster() (platform/plattform.h).
#pragma once

#include <cstdint>
#include <string>

inline constexpr const char* frmName = "frmSchulferien";

// Event handlers.
void Form_Load();
void cmdAuswahl_Click(std::int16_t Index);
void cmbLaenderliste_Click();

// Steps.
void Farbe_auswaehlen();
void Datenordner_checken();
void Ferientagedatei_erstellen();
void Ferientagedatei_loeschen();
void Ferienzeiten_uebernehmen(std::string VonTag, std::string VonMonat, std::string VonJahr,
                              std::string BisTag, std::string BisMonat, std::string BisJahr);
