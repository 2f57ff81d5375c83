#pragma once

void Konfigdaten_lesen();
