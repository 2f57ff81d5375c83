// The program's name and version: the one place for the version resource and the code.
#pragma once

#define SCHULFERIEN_VERSION_MAJOR 1
#define SCHULFERIEN_VERSION_MINOR 0
#define SCHULFERIEN_VERSION_PATCH 0
#define SCHULFERIEN_VERSION_TEXT "1.0.0"
#define SCHULFERIEN_PRODUKT "Schulferien kennzeichnen"
#define SCHULFERIEN_BESCHREIBUNG "Kennzeichnet die Schulferien der Bundesländer im Velmorant"
