#pragma once

// Checks the data folder and moves the window on from step 1.
void Datenordner_checken();
