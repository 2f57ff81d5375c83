#include "tests/fake/fake_plattform.h"

#include <algorithm>
#include <stdexcept>

#include "platform/ersatzname.h"
#include "tests/fake/fake_namen.h"

namespace {

bool Ist_Laufwerk(const std::string& teil) {
    return teil.size() == 2 && teil[1] == ':' &&
           ((teil[0] >= 'A' && teil[0] <= 'Z') || (teil[0] >= 'a' && teil[0] <= 'z'));
}

std::uint32_t Gelesene_Attribute(std::uint32_t attribute) {
    attribute &= ~Attribut::Normal;
    return attribute == 0 ? Attribut::Normal : attribute;
}

// Seconds since 1 January 1970 (days counted as in the proleptic Gregorian calendar).
std::int64_t Sekunden(const Zeitpunkt& z) {
    const int jahr = z.Jahr - (z.Monat <= 2 ? 1 : 0);
    const int aera = (jahr >= 0 ? jahr : jahr - 399) / 400;
    const int im_zyklus = jahr - aera * 400;
    const int tag_im_jahr = (153 * (z.Monat + (z.Monat > 2 ? -3 : 9)) + 2) / 5 + z.Tag - 1;
    const int tag_im_zyklus = im_zyklus * 365 + im_zyklus / 4 - im_zyklus / 100 + tag_im_jahr;
    const std::int64_t tage = aera * 146097LL + tag_im_zyklus - 719468;
    return tage * 86400 + z.Stunde * 3600 + z.Minute * 60 + z.Sekunde;
}

std::logic_error Einrichtungsfehler(const std::string& was, const std::string& pfad) {
    return std::logic_error("FakePlattform: " + was + ": " + pfad);
}

// The table of an 8-bit code page the program knows; another is a set-up mistake.
const Codetabelle& Tabelle(unsigned codepage) {
    const Codetabelle* tabelle = Bekannte_codetabelle(codepage);
    if (!tabelle) throw Einrichtungsfehler("no table of code page", std::to_string(codepage));
    return *tabelle;
}

}  // namespace

// --- Paths ---

std::string FakePlattform::Ort::Schluessel_von(std::size_t anzahl) const {
    std::string k;
    for (std::size_t i = 0; i < anzahl && i < teile.size(); ++i) {
        if (i > 0) k += '\\';
        k += Schluessel_zu(teile[i]);
    }
    return k;
}

std::string FakePlattform::Ort::Pfad() const {
    if (teile.size() == 1) return teile[0] + "\\";
    std::string p;
    for (std::size_t i = 0; i < teile.size(); ++i) {
        if (i > 0) p += '\\';
        p += teile[i];
    }
    return p;
}

FakePlattform::Ort FakePlattform::Aufloesen(const std::string& eingabe, bool muster) const {
    std::string pfad = eingabe;
    std::replace(pfad.begin(), pfad.end(), '/', '\\');
    if (pfad.empty()) throw Fehler(Fehlernummer::PfadNichtGefunden);
    // A share, \\server\share, is a root like a drive: its name is the first part.
    std::string wurzel;
    if (pfad.rfind("\\\\", 0) == 0) {
        const std::size_t server = pfad.find('\\', 2);
        const std::size_t freigabe =
            server == std::string::npos ? server : pfad.find('\\', server + 1);
        wurzel = pfad.substr(0, freigabe);
        if (server == std::string::npos || server == 2 || server + 1 == wurzel.size())
            throw Fehler(Fehlernummer::DateinameFalsch);
        pfad.erase(0, wurzel.size());  // what follows the root
        pfad.insert(pfad.begin(), '\\');
    } else if (pfad.size() < 2 || pfad[1] != ':') {
        // Relative to the program's folder; "\x" relative to its drive.
        const std::string basis = programmverzeichnis.substr(0, pfad[0] == '\\' ? 2 : 1000);
        pfad = basis + "\\" + pfad;
    }
    Ort ort;
    ort.ordner_gemeint = pfad.back() == '\\';
    std::vector<std::string> roh;
    for (std::size_t anfang = 0; anfang <= pfad.size();) {
        std::size_t ende = pfad.find('\\', anfang);
        if (ende == std::string::npos) ende = pfad.size();
        roh.push_back(pfad.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
    if (wurzel.empty() && !Ist_Laufwerk(roh[0])) throw Fehler(Fehlernummer::DateinameFalsch);
    ort.teile.push_back(wurzel.empty() ? roh[0] : wurzel);
    std::size_t letzter = roh.size();  // the last non-empty part may hold wildcards
    while (letzter > 1 && roh[letzter - 1].empty()) --letzter;
    for (std::size_t i = 1; i < roh.size(); ++i) {
        const std::string& teil = roh[i];
        if (teil.empty() || teil == ".") continue;
        if (teil == "..") {
            if (ort.teile.size() > 1) ort.teile.pop_back();
            continue;
        }
        for (const char ch : teil) {
            const auto c = static_cast<unsigned char>(ch);
            const bool wildcard = c == '*' || c == '?';
            if (c < 32 || c == '<' || c == '>' || c == '"' || c == '|' || c == ':' ||
                (wildcard && (!muster || i + 1 != letzter || ort.ordner_gemeint)))
                throw Fehler(Fehlernummer::DateinameFalsch);
        }
        ort.teile.push_back(teil);
    }
    return ort;
}

FakePlattform::Knoten* FakePlattform::Finden(const std::string& schluessel) {
    const auto it = knoten.find(schluessel);
    return it == knoten.end() ? nullptr : &it->second;
}

const FakePlattform::Knoten* FakePlattform::Finden(const std::string& schluessel) const {
    const auto it = knoten.find(schluessel);
    return it == knoten.end() ? nullptr : &it->second;
}

FakePlattform::Knoten& FakePlattform::Elternordner(const Ort& ort) {
    Knoten* ordner = nullptr;
    for (std::size_t n = 1; n < ort.teile.size(); ++n) {
        ordner = Finden(ort.Schluessel_von(n));
        if (!ordner || !ordner->ordner || ordner->erreichbar == Erreichbar::Nein)
            throw Fehler(Fehlernummer::PfadNichtGefunden);
        if (ordner->kein_zugriff) throw Fehler(Fehlernummer::ZugriffVerweigert);
    }
    if (!ordner) throw Fehler(Fehlernummer::PfadNichtGefunden);  // a drive has no parent
    return *ordner;
}

FakePlattform::Knoten& FakePlattform::Vorhandene_Datei(const std::string& pfad) {
    const Ort ort = Aufloesen(pfad);
    Elternordner(ort);
    Knoten* k = Finden(ort.Schluessel());
    if (!k) throw Fehler(Fehlernummer::DateiNichtGefunden);
    if (k->ordner) throw Fehler(Fehlernummer::ZugriffVerweigert);
    if (ort.ordner_gemeint) throw Fehler(Fehlernummer::DateinameFalsch);
    return *k;
}

FakePlattform::Knoten& FakePlattform::Anlegen(const Ort& ort, bool ordner) {
    for (std::size_t n = 1; n <= ort.teile.size(); ++n) {
        const std::string schluessel = ort.Schluessel_von(n);
        const bool ist_ziel = n == ort.teile.size();
        Knoten* k = Finden(schluessel);
        if (k) {
            if (!k->ordner && (!ist_ziel || ordner))
                throw Einrichtungsfehler("a file is in the way", ort.Pfad());
            if (k->ordner && ist_ziel && !ordner)
                throw Einrichtungsfehler("a folder is in the way", ort.Pfad());
            continue;
        }
        Ort teil;
        teil.teile.assign(ort.teile.begin(), ort.teile.begin() + static_cast<long>(n));
        Knoten neu;
        neu.name = teil.Pfad();
        neu.ordner = ordner || !ist_ziel;
        neu.attribute = neu.ordner ? 0 : Attribut::Archiv;
        neu.zeit = Dateizeit();
        knoten.emplace(schluessel, std::move(neu));
    }
    return knoten.at(ort.Schluessel());
}

void FakePlattform::Umbenennen(const Ort& von, const Ort& nach) {
    Knoten k = knoten.at(von.Schluessel());
    k.name = nach.Pfad();
    knoten.erase(von.Schluessel());
    knoten.emplace(nach.Schluessel(), std::move(k));
}

// --- Process and environment ---

FakePlattform::FakePlattform() {
    Ordner_anlegen("C:\\");
}

std::string FakePlattform::Text_nach_Ansi(const std::string& text) {
    if (codepage == Codeseite_utf8) return text;
    return Nach_Ansi(text, Tabelle(codepage));
}

std::string FakePlattform::Text_von_Ansi(const std::string& bytes) {
    if (codepage == Codeseite_utf8) return bytes;
    return Von_Ansi(bytes, Tabelle(codepage));
}

std::string FakePlattform::Kleinbuchstaben(const std::string& text) {
    return Klein(text);
}

bool FakePlattform::Pause() {
    if (frist_ms <= 0) return false;
    const std::int64_t pause = std::min(Pause_ms, frist_ms);
    gewartet_ms += pause;
    frist_ms -= pause;
    return true;
}

bool FakePlattform::Belegt(Knoten& k) {
    if (k.loeschen_anstehend) return true;
    for (int versuch = 0;; ++versuch) {
        const bool belegt = k.gesperrt || k.gesperrt_fuer > 0;
        if (k.gesperrt_fuer > 0) --k.gesperrt_fuer;
        if (!belegt) return false;
        if (versuch >= Wiederholungen || !Pause()) return true;
    }
}

Fenster& FakePlattform::Hauptfenster_erstellen(const Fensterbeschreibung& beschreibung,
                                               Fensterereignisse& ereignisse) {
    fristereignisse =
        std::make_unique<Ereignisse_mit_Vorlauf>(ereignisse, [this] { Neue_Frist(); });
    return FakeOberflaeche::Hauptfenster_erstellen(beschreibung, *fristereignisse);
}

std::string FakePlattform::Umgebungsvariable(const std::string& name) {
    const std::string gesucht = Schluessel_zu(name);
    for (const auto& [n, wert] : umgebung)
        if (Schluessel_zu(n) == gesucht) return wert;
    return "";
}

// --- Probes ---

bool FakePlattform::Datei_vorhanden(const std::string& muster) {
    if (muster.empty()) return false;
    const Ort ort = Aufloesen(muster, true);
    if (ort.ordner_gemeint || ort.teile.size() < 2) return false;
    for (std::size_t n = 1; n < ort.teile.size(); ++n) {
        const Knoten* ordner = Finden(ort.Schluessel_von(n));
        if (!ordner || !ordner->ordner || ordner->erreichbar == Erreichbar::Nein) return false;
        if (ordner->kein_zugriff) throw Fehler(Fehlernummer::DateinameFalsch);
    }
    const std::u32string name_muster = Zeichenfolge(ort.teile.back());
    const std::string praefix = ort.Schluessel_von(ort.teile.size() - 1) + "\\";
    for (auto it = knoten.lower_bound(praefix);
         it != knoten.end() && it->first.compare(0, praefix.size(), praefix) == 0; ++it) {
        const std::string rest = it->first.substr(praefix.size());
        if (rest.find('\\') != std::string::npos) continue;  // deeper down
        const Knoten& k = it->second;
        if (k.ordner || (k.attribute & (Attribut::Versteckt | Attribut::System))) continue;
        if (Passt(name_muster, Zeichenfolge(rest))) return true;
    }
    return false;
}

std::uint32_t FakePlattform::Attribute_lesen(const std::string& pfad) {
    const Ort ort = Aufloesen(pfad);
    if (ort.teile.size() == 1) {
        if (!Finden(ort.Schluessel())) throw Fehler(Fehlernummer::PfadNichtGefunden);
        return Attribut::Verzeichnis;
    }
    Elternordner(ort);
    const Knoten* k = Finden(ort.Schluessel());
    if (!k) throw Fehler(Fehlernummer::DateiNichtGefunden);
    if (k->ordner) return Attribut::Verzeichnis | (k->attribute & ~Attribut::Normal);
    if (ort.ordner_gemeint) throw Fehler(Fehlernummer::DateinameFalsch);
    return Gelesene_Attribute(k->attribute);
}

void FakePlattform::Attribute_normal(const std::string& pfad) {
    const Ort ort = Aufloesen(pfad);
    if (ort.teile.size() == 1) {
        if (!Finden(ort.Schluessel())) throw Fehler(Fehlernummer::PfadNichtGefunden);
        return;
    }
    Elternordner(ort);
    Knoten* k = Finden(ort.Schluessel());
    if (!k) throw Fehler(Fehlernummer::DateiNichtGefunden);
    if (!k->ordner && ort.ordner_gemeint) throw Fehler(Fehlernummer::DateinameFalsch);
    if (!k->ordner && (k->kein_zugriff || k->loeschen_anstehend))
        throw Fehler(Fehlernummer::ZugriffVerweigert);
    k->attribute = k->ordner ? 0 : Attribut::Normal;
}

void FakePlattform::Datei_entfernen(const std::string& pfad) {
    const Ort ort = Aufloesen(pfad);
    Knoten* ordner = Finden(ort.Schluessel_von(ort.teile.size() - 1));
    if (ordner && ordner->erreichbar == Erreichbar::Bis_zum_Loeschen)
        ordner->erreichbar = Erreichbar::Nein;
    Knoten& k = Vorhandene_Datei(pfad);
    if ((k.attribute & Attribut::Schreibgeschuetzt) || k.kein_zugriff || Belegt(k))
        throw Fehler(Fehlernummer::ZugriffVerweigert);
    // The name goes when the last program that holds the file lets go; that is waited for as
    // long as for a lock.
    k.loeschen_anstehend = k.loeschen_aufgehalten != 0;
    for (int blick = 0; blick <= Wiederholungen && k.loeschen_aufgehalten > 0; ++blick)
        k.loeschen_anstehend = --k.loeschen_aufgehalten != 0;
    if (k.loeschen_anstehend) throw Fehler(Fehlernummer::ZugriffVerweigert);
    knoten.erase(Aufloesen(pfad).Schluessel());
}

// --- Contents ---

std::string FakePlattform::Datei_lesen(const std::string& pfad) {
    Knoten& k = Vorhandene_Datei(pfad);
    if (k.kein_zugriff || Belegt(k)) throw Fehler(Fehlernummer::ZugriffVerweigert);
    return k.inhalt;
}

int FakePlattform::Datei_oeffnen(const std::string& pfad, Schreibart art) {
    const Ort ort = Aufloesen(pfad);
    if (ort.teile.size() < 2) throw Fehler(Fehlernummer::ZugriffVerweigert);
    Elternordner(ort);
    Knoten* ziel = Finden(ort.Schluessel());
    if (ziel && (ziel->ordner || ziel->kein_zugriff ||
                 (ziel->attribute & Attribut::Schreibgeschuetzt) || Belegt(*ziel)))
        throw Fehler(Fehlernummer::ZugriffVerweigert);
    if (ort.ordner_gemeint) throw Fehler(Fehlernummer::DateinameFalsch);

    const int nr = naechste_nummer++;
    Offen o{ort.Pfad(), "", art, std::nullopt};
    if (art == Schreibart::Anhaengen) {
        if (!ziel) Anlegen(ort, false);
    } else {
        Ort temp = ort;
        temp.teile.back() = Ersatzname(temp.teile.back(), prozessnummer,
                                       static_cast<std::uint32_t>(nr), computername);
        o.temp = temp.Schluessel();
        if (Finden(o.temp)) throw Fehler(Fehlernummer::PfadZugriff);
        const std::int64_t jetzt = Anlegen(temp, false).zeit;
        offen.emplace(nr, std::move(o));
        Reste_entfernen(ort, jetzt);
        return nr;
    }
    offen.emplace(nr, std::move(o));
    return nr;
}

void FakePlattform::Reste_entfernen(const Ort& ort, std::int64_t jetzt) {
    const std::string praefix = ort.Schluessel_von(ort.teile.size() - 1) + "\\";
    for (auto it = knoten.lower_bound(praefix);
         it != knoten.end() && it->first.compare(0, praefix.size(), praefix) == 0;) {
        const Knoten& k = it->second;
        const std::string name = k.name.substr(k.name.rfind('\\') + 1);
        const bool eigener = std::any_of(offen.begin(), offen.end(),
                                         [&](const auto& o) { return o.second.temp == it->first; });
        const bool darunter = it->first.find('\\', praefix.size()) != std::string::npos;
        const auto laeuft = [&](std::uint32_t prozess) {
            return prozess != prozessnummer && laufende_prozesse.count(prozess) > 0;
        };
        if (!darunter && !k.ordner && !k.gesperrt && k.gesperrt_fuer == 0 && !eigener &&
            !k.loeschen_anstehend && !(k.attribute & Attribut::Schreibgeschuetzt) &&
            Rest_entfernbar(name, ort.teile.back(), computername, jetzt - k.zeit, laeuft))
            it = knoten.erase(it);
        else
            ++it;
    }
}

void FakePlattform::Datei_schreiben(int nr, const std::string& bytes) {
    const auto it = offen.find(nr);
    if (it == offen.end()) throw Fehler(Fehlernummer::DateinameFalsch);
    Offen& o = it->second;
    // A file that was deleted while open for appending takes the bytes with it.
    Knoten* datei = Finden(o.art == Schreibart::Ersetzen ? o.temp : Aufloesen(o.pfad).Schluessel());
    std::string teil = bytes;
    const bool voll = schreibgrenze && bytes.size() > *schreibgrenze;
    if (voll) teil.resize(*schreibgrenze);
    if (schreibgrenze) *schreibgrenze -= teil.size();
    if (datei) {
        datei->inhalt += teil;
        datei->zeit = Dateizeit();
    }
    if (voll) {
        o.fehler = Fehlernummer::DatentraegerVoll;
        throw Fehler(Fehlernummer::DatentraegerVoll);
    }
}

void FakePlattform::Datei_schliessen(int nr, bool uebernehmen) {
    const auto it = offen.find(nr);
    if (it == offen.end()) throw Fehler(Fehlernummer::DateinameFalsch);
    const Offen o = it->second;
    offen.erase(it);
    if (o.art == Schreibart::Anhaengen) return;

    const Ort ort = Aufloesen(o.pfad);
    Knoten* gemerkt = Finden(ort.Schluessel());
    if (gemerkt && gemerkt->neue_weg) {  // another program deletes the new file now
        gemerkt->neue_weg = false;
        knoten.erase(o.temp);
    }
    const auto temp = knoten.find(o.temp);
    if (temp == knoten.end()) {
        if (uebernehmen && !o.fehler) throw Fehler(Fehlernummer::DateiNichtGefunden);
        return;
    }
    const std::string inhalt = temp->second.inhalt;
    const std::int64_t zeit = temp->second.zeit;
    knoten.erase(temp);
    if (!uebernehmen) return;
    if (o.fehler) throw Fehler(*o.fehler);

    // The new file takes the old one's place, if the old one can go now.
    Elternordner(ort);
    for (;;) {
        Knoten* ziel = Finden(ort.Schluessel());
        if (ziel && (ziel->ordner || ziel->kein_zugriff ||
                     (ziel->attribute & Attribut::Schreibgeschuetzt) || Belegt(*ziel)))
            throw Fehler(Fehlernummer::ZugriffVerweigert);
        if (ziel && ziel->ueberholt_fuer > 0) {
            // Another writer's whole file in the target's place at this moment: written again.
            --ziel->ueberholt_fuer;
            ziel->inhalt = "von einem anderen Schreiber";
            if (!Pause()) throw Fehler(Fehlernummer::ZugriffVerweigert);
            continue;
        }
        if (ziel && ersetzung != Ersetzung::Normal) {
            // Halfway: the old file under a backup's name, the new one under its own.
            Ort sicherung = ort;
            do {
                sicherung.teile.back() =
                    Sicherungsname(ort.teile.back(), prozessnummer,
                                   static_cast<std::uint32_t>(naechste_nummer++), computername);
            } while (Finden(sicherung.Schluessel()));
            Umbenennen(ort, sicherung);
            if (ersetzung == Ersetzung::Halb_zurueck) Umbenennen(sicherung, ort);
            if (ersetzung != Ersetzung::Halb_neue) throw Fehler(Fehlernummer::PfadZugriff);
            knoten.erase(sicherung.Schluessel());
        } else if (ziel) {
            knoten.erase(ort.Schluessel());
        }
        Knoten& neu = Anlegen(ort, false);
        neu.inhalt = inhalt;
        neu.zeit = zeit;
        return;
    }
}

// --- Set-up and inspection ---

void FakePlattform::Ordner_anlegen(const std::string& pfad) {
    Anlegen(Aufloesen(pfad), true);
}

void FakePlattform::Datei_anlegen(const std::string& pfad, const std::string& bytes,
                                  std::uint32_t attribute) {
    const Ort ort = Aufloesen(pfad);
    if (ort.teile.size() < 2 || ort.ordner_gemeint)
        throw Einrichtungsfehler("not a file path", pfad);
    Knoten& k = Anlegen(ort, false);
    k.inhalt = bytes;
    k.attribute = attribute & ~Attribut::Verzeichnis;
    k.zeit = Dateizeit();
}

FakePlattform::Knoten& FakePlattform::Eintrag(const std::string& pfad) {
    Knoten* k = Finden(Aufloesen(pfad).Schluessel());
    if (!k) throw Einrichtungsfehler("no such entry", pfad);
    return *k;
}

void FakePlattform::Attribute_setzen(const std::string& pfad, std::uint32_t attribute) {
    Eintrag(pfad).attribute = attribute & ~Attribut::Verzeichnis;
}

void FakePlattform::Alter_setzen(const std::string& pfad, std::int64_t sekunden) {
    Eintrag(pfad).zeit = Dateizeit() - sekunden;
}

std::int64_t FakePlattform::Dateizeit() const {
    return Sekunden(jetzt) + dateiuhr_vor;
}

void FakePlattform::Sperren(const std::string& pfad, bool gesperrt) {
    Eintrag(pfad).gesperrt = gesperrt;
}

void FakePlattform::Kurz_sperren(const std::string& pfad, int versuche) {
    Eintrag(pfad).gesperrt_fuer = versuche;
}

void FakePlattform::Ueberholen(const std::string& pfad, int mal) {
    Eintrag(pfad).ueberholt_fuer = mal;
}

void FakePlattform::Neue_wegnehmen(const std::string& pfad) {
    Eintrag(pfad).neue_weg = true;
}

void FakePlattform::Loeschen_aufhalten(const std::string& pfad, int blicke) {
    const std::string schluessel = Aufloesen(pfad).Schluessel();
    Knoten* k = Finden(schluessel);
    if (!k) throw Einrichtungsfehler("no such entry", pfad);
    if (blicke == 0 && k->loeschen_anstehend) {
        knoten.erase(schluessel);
        return;
    }
    k->loeschen_aufgehalten = blicke;
}

void FakePlattform::Zugriff_sperren(const std::string& pfad, bool gesperrt) {
    Eintrag(pfad).kein_zugriff = gesperrt;
}

void FakePlattform::Erreichbarkeit(const std::string& ordner, Erreichbar e) {
    Knoten* k = Finden(Aufloesen(ordner).Schluessel());
    if (!k || !k->ordner) throw Einrichtungsfehler("no such folder", ordner);
    k->erreichbar = e;
}

bool FakePlattform::Vorhanden(const std::string& pfad) const {
    return Finden(Aufloesen(pfad).Schluessel()) != nullptr;
}

std::optional<std::string> FakePlattform::Inhalt(const std::string& pfad) const {
    const Knoten* k = Finden(Aufloesen(pfad).Schluessel());
    if (!k || k->ordner) return std::nullopt;
    return k->inhalt;
}

std::vector<std::string> FakePlattform::Dateien(const std::string& ordner) const {
    const std::string praefix = Aufloesen(ordner).Schluessel() + "\\";
    std::vector<std::string> namen;
    for (auto it = knoten.lower_bound(praefix);
         it != knoten.end() && it->first.compare(0, praefix.size(), praefix) == 0; ++it) {
        if (it->first.find('\\', praefix.size()) != std::string::npos) continue;
        const std::string& name = it->second.name;
        namen.push_back(name.substr(name.rfind('\\') + 1));
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}
