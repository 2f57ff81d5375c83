// The error report that ends the program after a failure at `ort`: the error's number and
// its standard description.
#pragma once

#include <map>
#include <string>

inline std::string Fehlerbericht(const std::string& ort, int nummer) {
    static const std::map<int, std::string> beschreibung = {
        {5, "Unzulässiger Prozeduraufruf oder ungültiges Argument"},
        {9, "Index außerhalb des gültigen Bereichs"},
        {53, "Datei nicht gefunden"},
        {61, "Datenträger voll"},
        {62, "Einlesen hinter Dateiende"},
    };
    return "Es ist folgender Fehler aufgetreten in Modul '" + ort + "':\r\rFehler Nr. " +
           std::to_string(nummer) + "\r" + beschreibung.at(nummer) +
           "\r\rDas Programm wird beendet.";
}
