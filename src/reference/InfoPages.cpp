#include "reference/InfoPages.h"

#include "core/PlainText.h"

#include <array>
#include <utility>

namespace quarvel {

namespace {

constexpr std::array<InfoPicture, 19> Pictures = {{
    {1, 808, 8, 139, 167, 1,
     "Sitzende ägyptische Figur mit Hieroglyphen; Unterarm als Elle und Fuß als Fuß markiert"},
    {2, 800, 192, 164, 67, 1,
     "Zwei gekrönte Figuren zeigen das Yard von der Nasenspitze bis zum Daumen und den Inch als "
     "Daumenbreite"},
    {3, 800, 280, 162, 118, 1,
     "Alter Holzschnitt: Männer stehen vor einer Kirche Fuß an Fuß in einer Reihe"},
    {4, 808, 416, 146, 111, 1,
     "Erdkugel mit Äquator und Meridian; der Viertelkreis ist als zehn Millionen Meter markiert"},
    {5, 800, 576, 170, 105, 1,
     "Schema einer Krypton-86-Lampe und einer Welle: ein Meter sind 1 650 763,73 Wellenlängen"},
    {6, 360, 488, 247, 219, 5,
     "Erdkugel unter einer Lupe: Äquator, Nullmeridian und ein Längengrad, in 60 Teile geteilt"},
    {7, 888, 64, 99, 87, 2, "Ein Häufchen Getreidekörner"},
    {8, 848, 288, 141, 168, 2, "Metallzylinder des Urkilogramms"},
    {9, 856, 24, 134, 172, 3, "Radarantenne"},
    {10, 632, 8, 106, 96, 4, "Altägyptische Malerei: Wägeszene mit einer Balkenwaage"},
    {11, 768, 72, 160, 120, 4, "Römische Schnellwaage mit Laufgewicht"},
    {12, 872, 216, 132, 128, 4, "Balkenwaage mit zwei Waagschalen"},
    {13, 672, 328, 134, 172, 4, "Küchenwaage mit Zeigerskala"},
    {14, 376, 544, 176, 160, 4, "Elektronische Präzisionswaage mit Digitalanzeige"},
    {15, 600, 104, 240, 115, 3, "Messrad"},
    {16, 616, 232, 221, 154, 3, "Aufgerolltes Maßband"},
    {17, 848, 376, 153, 109, 3, "Lineal"},
    {18, 760, 496, 240, 123, 3, "Digitaler Messschieber"},
    {19, 600, 560, 150, 120, 3, "Mikrometerschraube"},
}};

// A line at x = 10 in black with red highlights.
InfoLine Text(int y, std::string text) {
    return {y, 10, std::move(text), Black, Red};
}

// An opening line: no word stands out.
InfoLine Plain(int y, std::string text) {
    return {y, 10, std::move(text), Black, Black};
}

InfoPage LengthHistory() {
    return {"Entwicklung der Längenmaße",
            {
                Plain(20, "Schon im Altertum war man auf eine vergleichbare Längenmessung "
                          "angewiesen."),
                Text(40, "Bei den #Ägyptern# dienten #Körpermaße# als Einheiten, vor allem die "
                         "#Elle# und der #Fuß#."),

                Text(70, "Die #Griechen# maßen Laufstrecken im #Stadion#. Das war die Strecke, "
                         "die ein geübter"),
                Text(90, "Läufer in einem schnellen Lauf schafft, etwa 180 m."),

                Text(120, "Die #Römer# brauchten für die Entfernungen auf ihrem großen "
                          "Straßennetz ein längeres"),
                Text(140, "Maß: die #Meile#. Sie bestand aus 1000 Doppelschritten und war etwa "
                          "1,5 km lang."),

                Text(170, "Im Mittelalter versuchte man, die vielen Maße mit dem #Fuß# als "
                          "gemeinsamer Einheit"),
                Text(190, "zu vereinheitlichen. Später zerfiel diese Ordnung wieder: Jedes "
                          "Herzogtum führte"),
                Text(210, "eigene Maße ein, und so war ein Fuß von Land zu Land verschieden "
                          "lang."),

                Text(240, "In England wurde das #Yard# festgelegt als der Abstand von der "
                          "Nasenspitze bis zur"),
                Text(260, "Spitze des Daumens am ausgestreckten Arm. Der #Inch# entsprach der "
                          "Breite des Daumens."),
                Text(280, "Der #Zoll#, wie der Inch auf Deutsch heißt, wurde als die Länge von "
                          "drei aneinander-"),
                Text(300, "gelegten Gerstenkörnern festgelegt."),

                Text(330, "Weil die Länge eines #Körpermaßes# von Mensch zu Mensch schwankt, "
                          "schlug man im"),
                Text(350, "16. Jahrhundert ein #Naturmaß# vor: Sechzehn Männer, die aus der "
                          "Kirche kamen, stellten"),
                Text(370, "sich Fuß an Fuß auf. Der sechzehnte Teil der ganzen Länge galt als "
                          "ein #Fuß#."),

                Text(400, "1793 beschloss man in Frankreich ein neues Maß: #1 Meter# sollte der "
                          "zehnmillionste"),
                Text(420, "Teil des Erdmeridianquadranten sein, also der Strecke vom Nordpol "
                          "bis zum Äquator."),
                Text(440, "Dazu wurde der Meridian zwischen Barcelona und Dünkirchen genau "
                          "vermessen."),
                Text(460, "Dieser Beschluss gilt als die #Geburtsstunde des Metermaßes#."),

                Text(490, "Nach dieser Messung fertigte man 1799 einen Stab aus Platin an. Er "
                          "war ein #Kunstmaß#:"),
                Text(510, "Seine Länge hing nicht mehr vom Körper eines Menschen ab, sondern "
                          "war fest bestimmt."),
                Text(530, "Dieser #Urmeterstab# wurde in Paris aufbewahrt. Nach ihm richteten "
                          "sich die Meter-"),
                Text(550, "stäbe, die später in vielen anderen Ländern eingeführt wurden."),

                Text(580, "1960 legte man den Meter neu fest: als das #1 650 763,73#-fache der "
                          "#Wellenlänge#"),
                Text(600, "des orangeroten Lichts, das ein #Kryptonatom# (^8^6Kr) im Vakuum "
                          "aussendet."),

                Text(630, "Seit 1983 gilt: Ein Meter ist die Strecke, die das Licht im Vakuum "
                          "in der Zeit von"),
                Text(650, "#1/299792458# #Sekunde# zurücklegt."),
            }};
}

InfoPage MassHistory() {
    return {
        "Entwicklung der Massenmaße",
        {
            Plain(20, "Schon in den frühen Hochkulturen mussten Händler ihre Waren miteinander "
                      "vergleichen."),
            Text(40, "Waren wurden nach dem #Stück# gezählt oder nach ihrem #Volumen# "
                     "gemessen. Erste Gewichte beruhten auf"),
            // The Roman talent: the water filling one cubic Roman foot, about 26 kg.
            Text(60, "#Getreidekörnern# oder auf #Wasser#: Ein #Talent# war die Masse des "
                     "Wassers in einem #Kubikfuß#."),

            Text(90, "Das #grain# (englisch für Korn) gilt als die älteste und kleinste "
                     "Gewichtseinheit. Mit ihm wog man"),
            Text(110, "Gold und Silber; heute ist ein grain genau #0,06479891 g#. Auch das "
                      "#Pfund# und das #Talent# waren"),
            Text(130, "zugleich Gewichtseinheiten und Währungen: Man bezahlte mit abgewogenem "
                      "Silber."),

            Text(160, "Das römische Pfund (#libra#) von #327,45 g# mit 12 Unzen war die "
                      "Grundlage der Gewichte und Münzen im Mittelalter."),

            Text(210, "Im deutschsprachigen Raum (außer in Österreich) ist das Pfund bis heute "
                      "im Alltag gebräuchlich."),
            Text(230, "Es ist zwar keine amtliche Einheit mehr, doch wer auf dem Markt „ein "
                      "Pfund Tomaten“ kauft,"),
            Text(250, "bekommt 500 Gramm, also ein halbes Kilogramm."),

            Text(280, "Das Kilogramm ist die #Basiseinheit# der Masse. Bis 2019 war es durch "
                      "das #Urkilogramm#"),
            Text(300, "festgelegt, das in Sèvres bei Paris aufbewahrt wird. Es ist ein Zylinder, "
                      "dessen Höhe"),
            Text(320, "und Durchmesser je 39 mm betragen. Er besteht aus #90 % Platin# und "
                      "#10 % Iridium#,"),
            Text(340, "einer sehr harten und beständigen Legierung."),

            Text(370, "Lange suchte man nach einer neuen Festlegung des Kilogramms über eine "
                      "der #Fundamental-#"),
            Text(390, "#konstanten# der Physik. Seit 2019 beruht das Kilogramm auf der "
                      "Planck-Konstante."),

            Text(420, "Ein Grund dafür: Vom Urkilogramm gibt es etwa 40 Kopien. Beim Vergleichen "
                      "zeigte sich"),
            Text(440, "im Lauf der Jahre eine mittlere #Massendifferenz# von etwa 50 Mikrogramm "
                      "zwischen"),
            Text(460, "den Kopien und dem Urkilogramm. Das ist sehr wenig, für genaue Messungen "
                      "aber zu viel."),

            {500, 10, "Um das Kilogramm neu festzulegen, wurden unter anderem diese Wege erprobt:",
             Blue, Red},
            Text(530, "1. Eine Kugel aus reinem Silizium, in der man die Anzahl der Atome genau "
                      "bestimmt."),
            Text(560, "2. Eine Waage, die mechanische Leistung mit elektrischer Leistung "
                      "vergleicht (Kibble-Waage)."),
            Text(590, "3. Man sammelt die Ionen eines Ionenstrahls, bis sie eine wägbare Masse "
                      "ergeben."),
        }};
}

InfoPage LengthInstruments() {
    return {"Messgeräte zur Längenmessung",
            {
                Text(30, "Mit #Radaranlagen# misst man Entfernungen von wenigen Zentimetern "
                         "bis zu Millionen"),
                Text(50, "von Kilometern. Die Anlage sendet kurze Funkimpulse im "
                         "#Gigahertz#-Bereich aus und"),
                Text(70, "misst die Zeit, bis das Echo zurückkommt. Daraus ergibt sich die "
                         "Entfernung."),

                Text(150, "Längere Strecken auf dem Boden misst man mit"),
                Text(170, "dem #Messrad#. Die Polizei misst damit zum Beispiel"),
                Text(190, "die Länge von Bremsspuren nach einem Unfall."),

                Text(300, "In der Wohnung verwendet man das #Messband#."),
                Text(320, "Es ist meist 2 m bis 5 m lang und lässt sich aufrollen."),

                Text(420, "Kurze Strecken im Heft misst und zeichnet man mit dem #Lineal# oder "
                          "dem"),
                Text(440, "#Geodreieck#. Ihre Skala ist in Zentimeter und Millimeter eingeteilt."),

                Text(500, "Mit dem #Messschieber# misst man Außenmaße, etwa die Dicke einer "
                          "Schraube,"),
                Text(520, "und Innenmaße, etwa die Weite eines Rohres. Mit seiner"),
                Text(540, "#Tiefenmessstange# bestimmt man, wie tief eine Bohrung ist."),

                Text(600, "Sehr kleine Durchmesser und Dicken, etwa eines Drahtes,"),
                Text(620, "misst man mit der #Mikrometerschraube# auf 0,01 mm genau."),
            }};
}

InfoPage WeightInstruments() {
    return {
        "Messgeräte zur Gewichtsmessung",
        {
            Text(50, "Im 5. Jahrtausend v. Chr. wog man in Ägypten mit dem #Waagebalken#."),
            Text(140, "Die #röm. Schnellwaage# hatte ungleich lange Arme. Ein Laufgewicht "
                      "wurde so lange"),
            Text(160, "verschoben, bis die Waage im Gleichgewicht war; dann las man das "
                      "Gewicht an einer Skala ab."),
            Text(240, "In den Laboren der Alchimisten entstanden in der Renaissance "
                      "empfindliche #Analysewaagen#."),
            Text(300, "1763 baute man eine #Neigungswaage#, an der man das Gewicht direkt "
                      "ablesen konnte."),
            Text(380, "In der ersten Hälfte des 19. Jahrhunderts kamen #Dezimal- und Küchenwaage# "
                      "auf."),
            Text(500, "Bei den #elektronischen Waagen#, die es seit 1939 gibt, verändert die "
                      "Last den elektrischen Widerstand"),
            Text(520, "eines Bauteils. Aus dieser Änderung berechnet die Waage das Gewicht."),
        }};
}

// One row of the table: the unit's name in blue, "=" and its value in black.
void Row(std::vector<InfoLine>& lines, int y, int xName, int xEquals, const char* name,
         const char* value) {
    lines.push_back({y, xName, std::string("#") + name + "#", Black, Blue});
    lines.push_back({y, xEquals, "=", Black, Blue});
    lines.push_back({y, xEquals + 20, value, Black, Blue});
}

// Headings are red: red as the normal colour, black for highlights they never use.
InfoLine Heading(int y, const char* text) {
    return {y, 10, text, Red, Black};
}

InfoPage OtherUnits() {
    std::vector<InfoLine> lines;
    lines.push_back(Heading(20, "Alte Einheiten"));
    Row(lines, 50, 10, 100, "1 Spanne", "22,9 cm");
    Row(lines, 70, 10, 100, "1 Elle", "1,143 m");
    Row(lines, 90, 10, 100, "1 Klafter", "1,829 m");
    lines.push_back(Heading(150, "Englische Einheiten"));
    Row(lines, 180, 10, 100, "1 inch (in)", "2,54 cm");
    Row(lines, 200, 10, 100, "1 Zoll", "2,54 cm");
    Row(lines, 220, 10, 100, "1 foot (ft)", "30,48 cm");
    Row(lines, 240, 10, 100, "1 yard (yd)", "91,44 cm");
    Row(lines, 260, 10, 100, "1 mile (mi)", "1,609 km");
    Row(lines, 180, 360, 430, "1 ounce", "28,35 g");
    Row(lines, 200, 360, 430, "1 pound", "0,454 kg");
    // The long ton of 2240 pounds is 1016,0469088 kg.
    Row(lines, 220, 360, 430, "1 ton", "1016,047 kg");
    // The US gallon is 3,785411784 l; the imperial gallon would be 4,546 l.
    Row(lines, 180, 710, 780, "1 gallon", "3,785 l (USA)");
    lines.push_back(Heading(330, "Seemeile"));
    Row(lines, 360, 10, 140, "1 Seemeile (sm)", "1,852 km");
    lines.push_back(
        {390, 10, "Die Seemeile ist das Längenmaß der Seefahrt und der Luftfahrt.", Black, Blue});
    lines.push_back({420, 10,
                     "Teilt man den Erdumfang in 360 gleiche Teile (Grad), so ist ein solcher "
                     "Teil am Äquator gerade",
                     Black, Blue});
    lines.push_back(Text(440, "der Abstand zwischen zwei benachbarten #Meridianen#. Der "
                              "sechzigste Teil eines Grades auf einem"));
    lines.push_back(Text(460, "#Meridianbogen#, also eine Bogenminute, ist eine Seemeile: "
                              "1 sm = 1,852 km."));
    return {"Andre Einheiten", std::move(lines)};
}

} // namespace

std::span<const InfoPicture> InfoPictures() {
    return Pictures;
}

const InfoPage* InfoPageFor(int page) {
    static const std::array<InfoPage, InfoPageCount> pages = {
        LengthHistory(), MassHistory(), LengthInstruments(), WeightInstruments(), OtherUnits(),
    };
    if (page < 1 || page > InfoPageCount) return nullptr;
    return &pages[static_cast<std::size_t>(page - 1)];
}

namespace {

// What the markup alone would not read right: without its raising, the mass
// number before an element's symbol runs into it ("86Kr").
constexpr std::pair<std::string_view, std::string_view> kSpokenForms[] = {
    {"(^8^6Kr)", "(Krypton-86)"},
};

std::string Spoken(const std::string& marked) {
    std::string text = marked;
    for (const auto& [drawn, spoken] : kSpokenForms) {
        for (std::size_t at = text.find(drawn); at != std::string::npos; at = text.find(drawn, at))
            text.replace(at, drawn.size(), spoken);
    }
    return PlainText(text);
}

bool EndsInBrokenWord(const std::string& text) {
    if (text.size() < 2 || text.back() != '-') return false;
    const char before = text[text.size() - 2];
    return before != ' ' && (before < '0' || before > '9');
}

// A lower-case letter, the German ones outside ASCII included.
bool StartsLowerCase(const std::string& text) {
    if (text.empty()) return false;
    if (text[0] >= 'a' && text[0] <= 'z') return true;
    return text.size() > 1 && text[0] == '\xC3' &&
           (text[1] == '\xA4' || text[1] == '\xB6' || text[1] == '\xBC' || text[1] == '\x9F');
}

} // namespace

std::vector<SpokenLine> SpokenPage(const InfoPage& page) {
    std::vector<SpokenLine> lines;
    for (const InfoLine& line : page.Lines) {
        const std::string text = Spoken(line.Text);
        if (!lines.empty() && lines.back().Y == line.Y && line.X > lines.back().X) {
            lines.back().Text += " " + text;
        } else {
            lines.push_back({text, line.X, line.Y});
        }
    }
    for (std::size_t k = 0; k + 1 < lines.size(); ++k) {
        std::string& next = lines[k + 1].Text;
        if (!EndsInBrokenWord(lines[k].Text) || !StartsLowerCase(next)) continue;
        const std::size_t end = next.find(' ');
        lines[k].Text.pop_back();
        lines[k].Text += next.substr(0, end);
        next.erase(0, end == std::string::npos ? end : end + 1);
    }
    return lines;
}

} // namespace quarvel
