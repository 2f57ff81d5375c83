// Two users at two computers marking on one share, for the end-to-end tests: window messages
// reach no other computer (under Wine: no other Wine server), so a process there, the
// Gegenstelle, drives that computer's program. It takes its orders from files in a folder
// that both computers reach, and carries them out as Bedienung does in this process.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "tools/fernsteuerung.h"

namespace fernsteuerung {

// The instant now on the performance counter, which every process of the machine shares (so
// do Wine's processes of different prefixes): in ticks of 100 ns.
LONGLONG Zeitpunkt_jetzt();

// One user's program in marking mode, the window at step 4 with an earlier marking. Orders
// are one line, fields separated by tabs; answers are UTF-8:
//   starten EXE USERNAME PUBLIC ProgramFiles  the program started; "" once its window shows
//   land N                     state N picked (from 0); "" once step 4 can be clicked
//   klicken ZEITPUNKT          step 4 clicked at ZEITPUNKT (Zeitpunkt_jetzt), the message that
//                              follows confirmed: "<ticks late> <1: still runs, else 0>\n<text>"
//   beenden                    Beenden clicked; the exit code once the program has ended
//   computer                   this computer's name (GetComputerNameW)
//   anhaengen DATEI ZEITPUNKT ANZAHL ABSTAND_MS ZEILE
//                              ANZAHL appends of ZEILE and CR LF to DATEI, as the program
//                              adds to its log book, the first at ZEITPUNKT, then ABSTAND_MS
//                              apart; ""
class Bedienung {
  public:
    // Throws Fehlschlag when the order can't be carried out.
    std::string Ausfuehren(const std::string& auftrag);

  private:
    std::unique_ptr<Programm> programm_;
    HWND liste_ = nullptr, schritt4_ = nullptr, beenden_ = nullptr;
};

// The orders to a Gegenstelle that reads them from the folder `ordner`: auftrag-<n> in, one
// after the other, antwort-<n> out, each written whole under another name first.
class Kanal {
  public:
    explicit Kanal(std::wstring ordner) : ordner_(std::move(ordner)) {}
    void Senden(const std::string& auftrag);
    // The answer to the order sent last; throws Fehlschlag with what failed there.
    std::string Antwort(double sekunden = 60.0);
    std::string Auftrag(const std::string& auftrag) {
        Senden(auftrag);
        return Antwort();
    }

  private:
    std::wstring ordner_;
    int nummer_ = 0;
};

// The Gegenstelle: carries out the orders from the folder `kanal` until the order "schluss",
// or until none has come for ten minutes; its program ends with it.
void Gegenstelle(const std::wstring& kanal);

}  // namespace fernsteuerung
