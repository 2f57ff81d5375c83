#pragma once

// Step 2 in removal mode: Ferientage.dat is deleted, so the host marks no school holidays.
void Ferientagedatei_loeschen();
