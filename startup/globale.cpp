#include "startup/globale.h"

void Globale_zuruecksetzen() {
    Aktivieren = false;
    Heute.clear();
    Benutzername.clear();
    Programmordner.clear();
    Datenordner.clear();
    Logordner.clear();
    Schulferienarray = {};
    Monatsarray = {};
    Land.clear();
    Farbe = 0;
    FerientageGelesen = false;
    Kennung.clear();
    Editionszeile.clear();
    Einstellungen.clear();
    Rechte = 0;
}
