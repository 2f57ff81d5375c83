#pragma once

void Main();
void Programmpfade_lesen();
