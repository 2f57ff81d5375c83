// What the tool expects of the host planner's installation and data: names, once.
#pragma once

namespace Host {
inline constexpr const char* Produkt = "Velmorant";
// Installation folders of the host's editions, probed in this order; the last is taken
// without a test.
inline constexpr const char* Installationsordner[] = {"Brindavel", "Orsalind", "Velmorant"};
inline constexpr const char* VirtualStore = "AppData\\Local\\VirtualStore\\Program Files\\";
inline constexpr const char* Pfadeinstellungen = "Zedrano.dat";
inline constexpr const char* Zedrano_Kopf =
    "[Zedrano]";  // line 1 of Zedrano.dat and Konfigdaten.dat
inline constexpr const char* Konfigdatei = "Konfigdaten.dat";
inline constexpr const char* Ferientagedatei = "Ferientage.dat";
inline constexpr const char* Datenmuster = "*Data.dat";  // host data files in the data folder
inline constexpr const char* Datenunterordner = "Data";
inline constexpr const char* Abwesenheitsordner = "AnAbwesenheitsdaten";
inline constexpr const char* Logunterordner = "Logs\\";
inline constexpr const char* Logdatei_Endung = " Zedrano.log";  // after YYMM
inline constexpr const char* Adminmarke = "ZedraAdmin|";        // log entries of level 2
}  // namespace Host
