#include "sample/SampleNames.h"

#include <cctype>

#include "sample/SampleText.h"

namespace
{

using Words = std::vector<std::string>;

struct CStylePools
{
    Words townStarts;
    Words townEnds;
    Words clubPatterns;  // "{T}" stands for the town
    Words givenNames;
    Words familyNames;
};

// Japanese names are built from syllables so that every one has a katakana form.
struct CSyllable
{
    const char* latin;
    const char* kana;
};

const std::vector<CSyllable>& syllables()
{
    static const std::vector<CSyllable> table = {
        {"ka", "カ"}, {"ki", "キ"}, {"ku", "ク"}, {"ke", "ケ"}, {"ko", "コ"}, {"sa", "サ"},
        {"shi", "シ"}, {"su", "ス"}, {"se", "セ"}, {"ta", "タ"}, {"chi", "チ"}, {"te", "テ"},
        {"to", "ト"}, {"na", "ナ"}, {"ni", "ニ"}, {"no", "ノ"}, {"ha", "ハ"}, {"hi", "ヒ"},
        {"fu", "フ"}, {"ho", "ホ"}, {"ma", "マ"}, {"mi", "ミ"}, {"mo", "モ"}, {"ya", "ヤ"},
        {"yu", "ユ"}, {"yo", "ヨ"}, {"ri", "リ"}, {"ro", "ロ"}, {"wa", "ワ"}, {"da", "ダ"},
        {"go", "ゴ"}, {"ga", "ガ"}, {"a", "ア"}, {"i", "イ"}, {"o", "オ"}, {"u", "ウ"},
    };
    return table;
}

const std::vector<CSyllable>& familyEndings()
{
    static const std::vector<CSyllable> table = {
        {"mura", "ムラ"}, {"moto", "モト"}, {"kawa", "カワ"}, {"yama", "ヤマ"},
        {"shima", "シマ"}, {"da", "ダ"},     {"no", "ノ"},     {"zaki", "ザキ"},
        {"hara", "ハラ"}, {"saki", "サキ"}, {"ta", "タ"},     {"naga", "ナガ"},
    };
    return table;
}

const std::vector<CSyllable>& givenEndings()
{
    static const std::vector<CSyllable> table = {
        {"o", "オ"},   {"shi", "シ"},   {"ki", "キ"},     {"ya", "ヤ"},   {"to", "ト"},
        {"ru", "ル"},  {"ji", "ジ"},    {"hiro", "ヒロ"}, {"suke", "スケ"}, {"ta", "タ"},
        {"n", "ン"},   {"ma", "マ"},
    };
    return table;
}

const std::vector<CSyllable>& japaneseClubPatterns()
{
    // {T} in both forms; the katakana forms drop the space as Japanese writing does.
    static const std::vector<CSyllable> table = {
        {"{T} FC", "{T}FC"},
        {"{T} United", "{T}ユナイテッド"},
        {"{T} SC", "{T}SC"},
        {"FC {T}", "FC{T}"},
        {"{T} Stars", "{T}スターズ"},
        {"{T} Rovers", "{T}ローバーズ"},
    };
    return table;
}

const CStylePools& pools(CNameStyle style)
{
    static const CStylePools english{
        {"Ash", "Brad", "Carl", "Dun", "East", "Fal", "Glen", "Hart", "Kings", "Lang", "Mill", "North",
         "Ox", "Red", "Shel", "Thorn", "West", "Whit", "Brom", "Stan", "Wy", "Ketter", "Bar", "Mor"},
        {"ford", "ley", "ton", "wick", "bury", "field", "ham", "mouth", "port", "by", "well", "wood",
         "bridge", "stone", "minster", "pool"},
        {"{T} United", "{T} City", "{T} Athletic", "{T} Rovers", "{T} Town", "{T} Wanderers",
         "{T} Albion", "{T} FC"},
        {"James", "John", "Michael", "David", "Paul", "Mark", "Steven", "Gary", "Lee", "Robert",
         "Daniel", "Thomas", "Christopher", "Matthew", "Andrew", "Jamie", "Ryan", "Kieran", "Stuart",
         "Ian", "Craig", "Neil", "Darren", "Wayne", "Ashley", "Jonathan", "Nathaniel", "Alexander"},
        {"Smith", "Walker", "Harrison", "Thompson", "Clarke", "Wright", "Hughes", "Bennett",
         "Fletcher", "Marshall", "Atkinson", "Pemberton", "Whitfield", "Hollingsworth", "Cartwright",
         "Fairclough", "Brannigan", "Ashcroft", "Dawson", "Kendrick", "Milburn", "Radcliffe",
         "Sutcliffe", "Tennant", "Ogilvie", "McAllister", "McCormack", "Donaldson"}};
    static const CStylePools german{
        {"Alt", "Berg", "Burg", "Eichen", "Falken", "Frei", "Grün", "Hohen", "Kirch", "Lauen", "Mühl",
         "Neu", "Ober", "Rosen", "Schön", "Stein", "Wald", "Weiß", "Lüden"},
        {"bach", "berg", "burg", "dorf", "feld", "hausen", "heim", "stadt", "au", "hof", "brück",
         "kirchen", "ingen", "stein"},
        {"FC {T}", "SV {T}", "{T}er SC", "VfB {T}", "TSV {T}", "Sportfreunde {T}", "1. FC {T}",
         "Eintracht {T}"},
        {"Thomas", "Michael", "Stefan", "Jürgen", "Andreas", "Markus", "Matthias", "Sebastian",
         "Maximilian", "Lukas", "Jörg", "Uwe", "Dieter", "Florian", "Tobias", "Christoph", "Jens",
         "Björn", "Kai", "Sven", "Ralf", "Dominik"},
        {"Müller", "Schneider", "Fischer", "Weber", "Becker", "Hoffmann", "Schäfer", "Krüger",
         "Zimmermann", "Schwarzenberger", "Oberhollenzer", "Brückner", "Kleinschmidt", "Lindemann",
         "Vogelsang", "Hartmann", "Böhm", "Dreßler", "Kessler", "Wagner", "Rosenthal", "Grünewald",
         "Falkenhayn", "Eichhorn"}};
    static const CStylePools spanish{
        {"Alba", "Bena", "Cala", "Valde", "Torre", "Villa", "Monte", "Mira", "Casa", "Fuente", "Sala",
         "Alme"},
        {"nueva", "blanca", "rroya", "mar", "flores", "dolid", "verde", "rejo", "llana", "sierra",
         "doña", "jón"},
        {"CD {T}", "{T} CF", "Atlético {T}", "Real {T}", "UD {T}", "Deportivo {T}", "Racing {T}",
         "Club {T}"},
        {"José", "Juan", "Francisco", "Antonio", "Manuel", "Javier", "Sergio", "Alejandro", "Raúl",
         "Iván", "Rubén", "Álvaro", "Diego", "Pablo", "Andrés", "Óscar", "Joaquín", "Ignacio",
         "Fernando", "Jesús"},
        {"García", "Fernández", "González", "Rodríguez", "López", "Martínez", "Sánchez", "Pérez",
         "Gómez", "Domínguez", "Muñoz", "Ibáñez", "Castillo", "Ordóñez", "Navarro", "Herrera",
         "Echeverría", "Aranguren", "Salcedo"}};
    static const CStylePools italian{
        {"Castel", "Monte", "Borgo", "Villa", "Porto", "Roc", "San ", "Fiora", "Pietra", "Terra",
         "Valle"},
        {"franco", "lungo", "nuovo", "vecchio", "rosso", "verde", "fiore", "mare", "lago", "bello",
         "santo", "piano"},
        {"AC {T}", "{T} Calcio", "US {T}", "AS {T}", "Sporting {T}", "Virtus {T}"},
        {"Marco", "Luca", "Andrea", "Alessandro", "Francesco", "Giuseppe", "Stefano", "Matteo",
         "Davide", "Roberto", "Simone", "Fabrizio", "Massimiliano", "Gianluca", "Niccolò", "Daniele"},
        {"Rossi", "Russo", "Esposito", "Bianchi", "Romano", "Colombo", "Ricci", "Marino", "Greco",
         "Bruno", "Gallo", "Conti", "De Luca", "Mancini", "Lombardi", "Moretti", "Barbieri",
         "Fontana", "Santoro", "Caruso", "Mariani", "Bellandi", "Montefiori"}};
    static const CStylePools french{
        {"Beau", "Mont", "Saint-", "Ville", "Château", "Fontaine", "Roche", "Belle", "Clair", "Mar",
         "Val", "Bois"},
        {"lieu", "mont", "fort", "ville", "court", "bourg", "rive", "pré", "fontaine", "champ",
         "noir", "vert"},
        {"AS {T}", "FC {T}", "Olympique {T}", "Stade {T}", "SC {T}", "US {T}"},
        {"Jean", "Pierre", "Michel", "Philippe", "Laurent", "Stéphane", "Frédéric", "Sébastien",
         "Nicolas", "Julien", "Jérôme", "Olivier", "François", "Benoît", "Rémi", "Amaury",
         "Grégoire"},
        {"Martin", "Bernard", "Dubois", "Durand", "Lefèvre", "Moreau", "Girard", "Bonnet", "Rousseau",
         "Fournier", "Mercier", "Chevalier", "Lemaître", "Beaumont", "Delacroix", "Fontaine",
         "Marchand", "Leclercq", "Vasseur"}};
    static const CStylePools dutch{
        {"Oost", "West", "Noord", "Zuid", "Groot", "Klein", "Hoog", "Nieuw", "Oud", "Berg", "Zand",
         "Wester"},
        {"dam", "dijk", "hoven", "veen", "wijk", "burg", "horst", "broek", "kerk", "meer", "sloot",
         "haven"},
        {"SC {T}", "VV {T}", "{T} FC", "FC {T}", "SV {T}", "Sparta {T}"},
        {"Jan", "Pieter", "Dirk", "Joost", "Sander", "Bram", "Maarten", "Wouter", "Jeroen", "Frank",
         "Niels", "Bas", "Koen", "Thijs", "Stijn", "Jasper", "Roel"},
        {"de Jong", "Jansen", "de Vries", "van den Berg", "Bakker", "Visser", "Smit", "Meijer",
         "Mulder", "Bos", "Vos", "Peters", "Hendriks", "van Leeuwen", "Dekker", "Brouwer",
         "van der Heijden", "Verhoeven", "Kuipers", "Schouten", "van Wijngaarden"}};
    static const CStylePools nordic{
        {"Ås", "Berg", "Björk", "Dal", "Fjäll", "Hög", "Lund", "Sand", "Sjö", "Strand", "Vik",
         "Øster", "Norr", "Holm"},
        {"by", "sund", "vik", "köping", "holm", "berg", "dal", "stad", "fors", "näs", "ås", "vall"},
        {"{T} IF", "IFK {T}", "{T} BK", "{T} FF", "IK {T}"},
        {"Lars", "Anders", "Erik", "Henrik", "Magnus", "Johan", "Nils", "Per", "Björn", "Stefan",
         "Mikael", "Fredrik", "Ola", "Øyvind", "Jørgen", "Sören", "Kjetil", "Espen", "Rasmus",
         "Jesper"},
        {"Andersson", "Johansson", "Karlsson", "Nilsson", "Eriksson", "Larsson", "Olsen", "Hansen",
         "Pedersen", "Sørensen", "Lindqvist", "Bergström", "Sjöberg", "Åkesson", "Halvorsen",
         "Kristiansen", "Holmgren", "Lundgren", "Fjeldstad"}};
    static const CStylePools portuguese{
        {"São ", "Santa ", "Vila ", "Porto ", "Rio ", "Campo ", "Ponte ", "Serra ", "Boa ", "Nova "},
        {"Alegre", "Verde", "Grande", "Branco", "Claro", "Formosa", "Bonita", "Real", "Lindo",
         "Novo", "Velho", "Belo"},
        {"SC {T}", "{T} FC", "Clube {T}", "Desportivo {T}", "Atlético {T}", "União {T}", "EC {T}"},
        {"João", "Paulo", "Pedro", "Ricardo", "Luís", "Rui", "Nuno", "Tiago", "André", "Fábio",
         "Sérgio", "Rodrigo", "Márcio", "Gonçalo", "Leandro", "Wellington", "Anderson", "Cláudio"},
        {"Silva", "Santos", "Ferreira", "Pereira", "Oliveira", "Costa", "Rodrigues", "Martins",
         "Sousa", "Fernandes", "Gonçalves", "Gomes", "Lopes", "Marques", "Alves", "Ribeiro",
         "Carvalho", "Nascimento", "Conceição", "Assunção", "Magalhães"}};
    static const CStylePools slavic{
        {"Novo", "Stari ", "Belo", "Zelen", "Krasno", "Gor", "Dol", "Pol", "Sveti ", "Vel"},
        {"grad", "sk", "ovo", "ica", "ec", "ov", "ino", "jevo", "nik", "ava"},
        {"FK {T}", "NK {T}", "Dinamo {T}", "Lokomotiv {T}", "Slavia {T}"},
        {"Ivan", "Dmitri", "Sergei", "Aleksandar", "Milan", "Marko", "Tomasz", "Piotr", "Jakub",
         "Pavel", "Nikola", "Vladimir", "Bogdan", "Goran", "Dragan", "Stanislav", "Krzysztof"},
        {"Novak", "Kowalski", "Petrovic", "Jovanovic", "Nowak", "Wisniewski", "Kaminski", "Popov",
         "Ivanov", "Sokolov", "Kuznetsov", "Horvat", "Kovac", "Dvorak", "Novotny", "Markovic",
         "Zawadzki"}};
    static const CStylePools greek{
        {"Agia ", "Kala", "Neo", "Palaio", "Kato ", "Ano ", "Ksilo", "Lefko", "Petro", "Thermo"},
        {"polis", "kastro", "chori", "limni", "pyrgos", "kampos", "vouni", "nisi", "potamos",
         "dendro"},
        {"AE {T}", "PAS {T}", "Athlitikos {T}", "AO {T}"},
        {"Giorgos", "Nikos", "Kostas", "Dimitris", "Yannis", "Christos", "Panagiotis", "Vasilis",
         "Stelios", "Alexandros", "Thanasis"},
        {"Papadopoulos", "Georgiou", "Nikolaidis", "Karagiannis", "Konstantinidis", "Vlachos",
         "Papadakis", "Oikonomou", "Antoniou", "Christodoulou", "Makris", "Stamatopoulos"}};
    static const CStylePools turkish{
        {"Ak", "Kara", "Yeni", "Eski", "Sari", "Kizil", "Gök", "Bey", "Çam", "Dere"},
        {"köy", "kale", "dere", "tepe", "hisar", "pinar", "ova", "su", "yurt", "dag"},
        {"{T}spor", "{T} Belediyespor", "{T} SK", "{T} Gençlik"},
        {"Mehmet", "Ahmet", "Mustafa", "Emre", "Burak", "Serkan", "Volkan", "Murat", "Okan", "Cem",
         "Ozan", "Tolga"},
        {"Yilmaz", "Kaya", "Demir", "Çelik", "Yildiz", "Öztürk", "Aydin", "Özdemir", "Arslan",
         "Dogan", "Kiliç", "Aslan", "Kurt", "Koç"}};
    static const CStylePools african{
        {"Lago", "Abu", "Kuma", "Accra", "Bamen", "Dakar", "Ibada", "Yaoun"},
        {"si", "ja", "ri", "da", "ndé", "ko"},
        {"{T} FC", "{T} Stars", "{T} United"},
        {"Emmanuel", "Samuel", "Joseph", "Kwame", "Ibrahim", "Moussa", "Abdoulaye", "Chinedu",
         "Obinna", "Kofi", "Yaw", "Mamadou", "Babatunde", "Olumide", "Jean-Pierre", "Théophile"},
        {"Okafor", "Mensah", "Diallo", "Traoré", "Koné", "Adeyemi", "Asante", "Ndiaye", "Okonkwo",
         "Nwosu", "Owusu", "Sarr", "Diop", "Cissé", "Ouattara", "Bamba", "Fofana", "Adebayo",
         "Oyelaran"}};

    switch (style)
    {
    case CNameStyle::English: return english;
    case CNameStyle::German: return german;
    case CNameStyle::Spanish: return spanish;
    case CNameStyle::Italian: return italian;
    case CNameStyle::French: return french;
    case CNameStyle::Dutch: return dutch;
    case CNameStyle::Nordic: return nordic;
    case CNameStyle::Portuguese: return portuguese;
    case CNameStyle::Slavic: return slavic;
    case CNameStyle::Greek: return greek;
    case CNameStyle::Turkish: return turkish;
    case CNameStyle::African: return african;
    case CNameStyle::Japanese: break;
    }
    return english;
}

CSampleName japaneseWord(CSampleRandom& random, int syllableCount, const std::vector<CSyllable>& endings)
{
    CSampleName word;
    for (int i = 0; i < syllableCount; ++i)
    {
        const CSyllable& s = random.pick(syllables());
        word.latin += s.latin;
        word.kana += s.kana;
    }
    const CSyllable& end = random.pick(endings);
    word.latin += end.latin;
    word.kana += end.kana;
    word.latin[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(word.latin[0])));
    return word;
}

std::string replaceTown(const std::string& pattern, const std::string& town)
{
    std::string out = pattern;
    const auto at = out.find("{T}");
    if (at != std::string::npos)
        out.replace(at, 3, town);
    return out;
}

}  // namespace

const std::vector<CSampleCountry>& sampleCountries()
{
    static const std::vector<CSampleCountry> countries = {
        {"England", 14, CNameStyle::English, "イングランド"},
        {"Germany", 21, CNameStyle::German, "ドイツ"},
        {"Spain", 45, CNameStyle::Spanish, "スペイン"},
        {"Italy", 27, CNameStyle::Italian, "イタリア"},
        {"France", 18, CNameStyle::French, "フランス"},
        {"Netherlands", 34, CNameStyle::Dutch, "オランダ"},
        {"Portugal", 39, CNameStyle::Portuguese, "ポルトガル"},
        {"Sweden", 46, CNameStyle::Nordic, "スウェーデン"},
        {"Scotland", 42, CNameStyle::English, "スコットランド"},
        {"Belgium", 7, CNameStyle::Dutch, "ベルギー"},
        {"Brazil", 12, CNameStyle::Portuguese, "ブラジル"},
        {"Japan", 28, CNameStyle::Japanese, "ニッポン"},
        {"Norway", 36, CNameStyle::Nordic, "ノルウェー"},
        {"Denmark", 15, CNameStyle::Nordic, "デンマーク"},
        {"Argentina", 3, CNameStyle::Spanish, "アルゼンチン"},
        {"Austria", 5, CNameStyle::German, ""},
        {"Switzerland", 47, CNameStyle::German, ""},
        {"Greece", 22, CNameStyle::Greek, ""},
        {"United States", 54, CNameStyle::English, ""},
        {"Turkey", 51, CNameStyle::Turkish, ""},
        {"Poland", 38, CNameStyle::Slavic, ""},
        {"Mexico", 31, CNameStyle::Spanish, "メキシコ"},
        {"Russia", 41, CNameStyle::Slavic, ""},
        {"Nigeria", 35, CNameStyle::African, ""},
        {"Cameroon", 13, CNameStyle::African, ""},
        {"Ghana", 23, CNameStyle::African, ""},
        {"Senegal", 43, CNameStyle::African, ""},
        {"Ireland", 26, CNameStyle::English, ""},
        {"Wales", 55, CNameStyle::English, ""},
        {"Croatia", 111, CNameStyle::Slavic, ""},
        {"Czech Republic", 112, CNameStyle::Slavic, ""},
        {"Romania", 40, CNameStyle::Slavic, ""},
        {"Uruguay", 53, CNameStyle::Spanish, ""},
        {"Chile", 10, CNameStyle::Spanish, ""},
        {"Colombia", 11, CNameStyle::Spanish, ""},
        {"Australia", 4, CNameStyle::English, ""},
        {"Finland", 17, CNameStyle::Nordic, ""},
        {"Hungary", 24, CNameStyle::Slavic, ""},
        {"Serbia", 113, CNameStyle::Slavic, ""},
        {"Ivory Coast", 114, CNameStyle::African, ""},
    };
    return countries;
}

CSampleName makeTownName(CSampleRandom& random, CNameStyle style)
{
    if (style == CNameStyle::Japanese)
        return japaneseWord(random, random.range(1, 2), familyEndings());
    const CStylePools& p = pools(style);
    std::string start = random.pick(p.townStarts);
    std::string end = random.pick(p.townEnds);
    // A start that ends with a space or hyphen is a word of its own ("San ", "Saint-"),
    // whose second word is capitalised.
    const char last = start.back();
    if ((last == ' ' || last == '-') && !end.empty() && end[0] >= 'a' && end[0] <= 'z')
        end[0] = static_cast<char>(end[0] - 'a' + 'A');
    return {start + end, ""};
}

CSampleName makeClubName(CSampleRandom& random, CNameStyle style, const CSampleName& town)
{
    if (style == CNameStyle::Japanese)
    {
        const CSyllable& pattern = random.pick(japaneseClubPatterns());
        return {replaceTown(pattern.latin, town.latin), replaceTown(pattern.kana, town.kana)};
    }
    return {replaceTown(random.pick(pools(style).clubPatterns), town.latin), ""};
}

CSampleName makePlayerName(CSampleRandom& random, CNameStyle style)
{
    if (style == CNameStyle::Japanese)
    {
        const CSampleName given = japaneseWord(random, random.range(1, 2), givenEndings());
        const CSampleName family = japaneseWord(random, 1, familyEndings());
        return {given.latin + " " + family.latin, given.kana + "・" + family.kana};
    }
    const CStylePools& p = pools(style);
    // One draw per statement: the order in which operands are evaluated is the
    // compiler's choice, and the sample must not depend on it.
    const std::string given = random.pick(p.givenNames);
    std::string name = given + " " + random.pick(p.familyNames);
    // Iberian players now and then carry both family names, which makes the long names
    // the player name file has to hold whole.
    if ((style == CNameStyle::Portuguese || style == CNameStyle::Spanish) && random.chance(15))
        name += " " + random.pick(p.familyNames);
    return {name, ""};
}

std::string abbreviate(const std::string& utf8, std::size_t length)
{
    std::string out;
    for (char c : foldAccents(utf8))
    {
        if (out.size() == length)
            break;
        if (std::isalpha(static_cast<unsigned char>(c)))
            out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    return out;
}
