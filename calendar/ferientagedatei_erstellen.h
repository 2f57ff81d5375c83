#pragma once

// Step 4 in marking mode: the chosen state's school holidays go into Ferientage.dat.
void Ferientagedatei_erstellen();
