// The compiled-in reference tables as the lists receive them: counts, end records, padding,
// the rows users look for, and the order each table promises.

#include "ReferenceTableSupport.h"

using namespace tabletest;

TEST(ReferenceTables, EachTableHasItsCountAndEndsInAnEndRecord)
{
    EXPECT_EQ(walk(g_vocabulary).size(), 3949u);
    EXPECT_EQ(walk(g_abbreviations).size(), 325u);
    EXPECT_EQ(walk(g_symbols).size(), 129u);
    EXPECT_EQ(walk(g_municipalities).size(), 947u);
    EXPECT_EQ(comarques().size(), 43u);

    const std::size_t vocabularyEnd = walk(g_vocabulary).size();
    EXPECT_EQ(g_vocabulary[vocabularyEnd].catalan, nullptr);
    EXPECT_EQ(g_abbreviations[walk(g_abbreviations).size()].meaning, nullptr);
    EXPECT_EQ(g_symbols[walk(g_symbols).size()].description, nullptr);
    const MunicipalityEntry &end = g_municipalities[walk(g_municipalities).size()];
    EXPECT_EQ(end.comarca, nullptr);
    EXPECT_EQ(end.postcode, 0u);
    EXPECT_EQ(end.phonePrefix, 0u);
}

TEST(ReferenceTables, TextsArePaddedToTheirTablesWidths)
{
    const auto vocabulary = walk(g_vocabulary);
    for (std::size_t i = 0; i < vocabulary.size(); ++i) {
        expectPadded(vocabulary[i].castilian, 40, "vocabulary " + std::to_string(i));
        expectPadded(vocabulary[i].catalan, 40, "vocabulary " + std::to_string(i));
    }
    EXPECT_EQ(std::string(g_vocabulary[0].castilian), "a tal efecto                            ");

    const auto abbreviations = walk(g_abbreviations);
    for (std::size_t i = 0; i < abbreviations.size(); ++i) {
        expectPadded(abbreviations[i].abbreviation, 18, "abbreviation " + std::to_string(i));
        expectPadded(abbreviations[i].meaning, 47, "abbreviation " + std::to_string(i));
    }

    const auto symbols = walk(g_symbols);
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        expectPadded(symbols[i].symbol, 8, "symbol " + std::to_string(i));
        const std::string description = symbols[i].description;
        EXPECT_LE(description.size(), 57u) << u8(description);
        EXPECT_EQ(description, trimmed(symbols[i].description)) << "descriptions are not padded";
    }

    // Names are padded to the longest official name, so none is shown cut. "Conca de Dalt" has
    // always been stored unpadded, and the three names kept at the end are padded to 18.
    const auto municipalities = walk(g_municipalities);
    std::size_t longest = 0;
    for (const MunicipalityEntry &m : municipalities)
        longest = std::max(longest, trimmed(m.name).size());
    EXPECT_EQ(longest, 43u);
    for (std::size_t i = 0; i < municipalities.size(); ++i) {
        const std::string name = trimmed(municipalities[i].name);
        const std::size_t width = i + 3 >= municipalities.size() ? 18 : name == "Conca de Dalt" ? name.size() : 43;
        expectPadded(municipalities[i].name, width, "municipality " + u8(name));
        expectPadded(municipalities[i].comarca, 18, "comarca of " + u8(name));
    }

    for (const std::string &name : comarques())
        EXPECT_EQ(name, trimmed(name.c_str())) << "comarques are not padded";
}

TEST(ReferenceTables, TextsHoldNoControlCharactersAndWriteTheGeminatedLWithTheMiddleDot)
{
    std::vector<const char *> texts;
    for (const VocabEntry &e : walk(g_vocabulary))
        texts.insert(texts.end(), {e.castilian, e.catalan});
    for (const AbbrevEntry &e : walk(g_abbreviations))
        texts.insert(texts.end(), {e.abbreviation, e.meaning});
    for (const SymbolEntry &e : walk(g_symbols))
        texts.insert(texts.end(), {e.symbol, e.description});
    for (const MunicipalityEntry &e : walk(g_municipalities))
        texts.insert(texts.end(), {e.name, e.comarca});
    for (const char *const *name = g_comarques; *name; ++name)
        texts.push_back(*name);
    texts.insert(texts.end(), std::begin(g_numeralWords), std::end(g_numeralWords));

    const auto letter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) || (c & 0x80); };
    for (const char *text : texts) {
        const std::string lower = folded(text);
        for (std::size_t i = 0; i < lower.size(); ++i) {
            const auto byte = static_cast<unsigned char>(lower[i]);
            EXPECT_FALSE(byte < 0x20 || byte == 0x7F) << '"' << u8(text) << '"';
            // The middle dot stands only inside a geminated l, and a full stop never does.
            if (byte == 0xB7) {
                EXPECT_TRUE(i > 0 && lower[i - 1] == 'l' && lower[i + 1] == 'l') << '"' << u8(text) << '"';
            }
            if (byte == '.' && i > 1 && lower[i - 1] == 'l' && i + 2 < lower.size() && lower[i + 1] == 'l') {
                EXPECT_FALSE(letter(lower[i - 2]) && letter(lower[i + 2]))
                    << "full stop for a middle dot in \"" << u8(text) << '"';
            }
        }
    }
    // The middle dot is really in use where a geminated l belongs.
    EXPECT_NE(std::find_if(texts.begin(), texts.end(),
                           [](const char *t) { return std::strstr(t, "sol\xB7licitud") != nullptr; }),
              texts.end());
}

TEST(ReferenceTables, VocabularyOpensAndClosesWithItsKnownRows)
{
    const auto vocabulary = walk(g_vocabulary);
    ASSERT_GE(vocabulary.size(), 3u);
    const std::pair<const char *, const char *> opening[] = {
        {"a tal efecto", "a aquest efecte"},
        {"en abundancia", "a balquena"},
        {"a cargo de", "a càrrec de"},
    };
    for (std::size_t i = 0; i < std::size(opening); ++i) {
        EXPECT_EQ(trimmed(vocabulary[i].castilian), cp(opening[i].first));
        EXPECT_EQ(trimmed(vocabulary[i].catalan), cp(opening[i].second));
    }
    EXPECT_EQ(trimmed(vocabulary.back().castilian), "zona franca");
    EXPECT_EQ(trimmed(vocabulary.back().catalan), "zona franca");
    EXPECT_TRUE(std::any_of(vocabulary.begin(), vocabulary.end(), [](const VocabEntry &e) {
        return trimmed(e.castilian) == "cifra" && trimmed(e.catalan) == "xifra f";
    }));

    // Sorted on the Catalan column as the list sorts it, the accented initials come after "z"
    // and run from "àmbit m" to "útil adj".
    std::vector<std::string> catalan;
    for (const VocabEntry &e : vocabulary)
        catalan.emplace_back(e.catalan);
    std::stable_sort(catalan.begin(), catalan.end(), listOrder);
    const auto firstAccented = std::find_if(
        catalan.begin(), catalan.end(), [](const std::string &t) { return static_cast<unsigned char>(t[0]) >= 0x80; });
    ASSERT_NE(firstAccented, catalan.end());
    EXPECT_EQ(trimmed(catalan.front().c_str()), "a aquest efecte");
    EXPECT_EQ(trimmed(std::prev(firstAccented)->c_str()), "zona franca");
    EXPECT_EQ(trimmed(firstAccented->c_str()), cp("àmbit m"));
    EXPECT_EQ(trimmed(catalan.back().c_str()), cp("útil adj"));
}

TEST(ReferenceTables, VocabularyCoversTodaysAdministrationWithoutCalques)
{
    std::set<std::pair<std::string, std::string>> pairs;
    std::set<std::string> catalanTexts;
    for (const VocabEntry &e : walk(g_vocabulary)) {
        pairs.emplace(trimmed(e.castilian), trimmed(e.catalan));
        catalanTexts.insert(trimmed(e.catalan));
    }
    // One or more rows from each field a writer in an administration looks up, whole now that
    // the texts have room for them.
    const std::pair<const char *, const char *> telling[] = {
        // Castilianisms, with the Catalan to write instead
        {"debido a", "a causa de"},
        {"en base a", "d'acord amb"},
        {"a nivel de", "en l'àmbit de"},
        {"tener que", "haver de"},
        {"hay que", "cal"},
        {"de cara a", "amb vista a"},
        {"en relación a", "en relació amb"},
        {"a la mayor brevedad", "com més aviat millor"},
        {"en su defecto", "en defecte seu; si no n'hi ha"},
        {"hacer acto de presencia", "fer acte de presència"},
        {"grosso modo", "grosso modo"},
        {"descargar (un fitxer)", "baixar v"},
        {"descargar (mercaderies)", "descarregar v"},
        {"a través de (mediante)", "mitjançant prep"},
        {"ambos", "tots dos"},
        {"en tiempo y forma", "dins el termini i en la forma escaients"},
        // procedure
        {"recurso potestativo de reposición", "recurs potestatiu de reposició"},
        {"recurso contencioso-administrativo", "recurs contenciós administratiu"},
        {"requerimiento de subsanación", "requeriment d'esmena"},
        {"poner fin a la vía administrativa", "posar fi a la via administrativa"},
        {"vía de apremio", "via de constrenyiment"},
        // e-administration
        {"código seguro de verificación", "codi segur de verificació"},
        {"archivo adjunto", "fitxer adjunt"},
        // public procurement
        {"pliego de prescripciones técnicas", "plec de prescripcions tècniques"},
        {"mejor relación calidad-precio", "millor relació qualitat-preu"},
        {"contrato de suministro", "contracte de subministrament"},
        // transparency and data protection
        {"delegado de protección de datos", "delegat de protecció de dades"},
        {"derecho a la portabilidad", "dret a la portabilitat"},
        // inclusive language
        {"los alumnos", "alumnat m"},
        {"los interesados", "persones interessades"},
        // the purpose beside the end, the stable couple, and feminine endings the old width cut
        {"fin (finalidad)", "fi m"},
        {"fin (término)", "fi f"},
        {"pareja de hecho", "parella estable"},
        {"acreditativo", "acreditatiu -iva adj"},
        {"administrativo", "administratiu -iva adj"},
        {"contencioso-administrativo", "contenciós -osa administratiu -iva adj"},
        {"destinatario", "destinatari -ària m f"},
    };
    for (const auto &[castilian, catalan] : telling)
        EXPECT_TRUE(pairs.count({cp(castilian), cp(catalan)})) << castilian << " / " << catalan;

    // The compulsa is kept for readers of older papers, marked as replaced.
    EXPECT_TRUE(pairs.count({"compulsa", cp("compulsa f; ara, còpia autèntica")}));
    EXPECT_FALSE(catalanTexts.count("compulsa f"));
    EXPECT_FALSE(pairs.count({"compulsa", cp("còpia autèntica")})) << "the compulsa twice";
    // The procedure names the person, not "l'interessat"; a warning is an advertiment first.
    EXPECT_TRUE(pairs.count({"audiencia al interesado", cp("audiència a la persona interessada")}));
    EXPECT_TRUE(pairs.count({"apercibimiento", "advertiment, apercebiment m"}));
    EXPECT_TRUE(pairs.count({"secretario-interventor", cp("secretari -ària interventor -a m f")}));

    // The Catalan column never offers the calque it warns against.
    for (const char *calque :
         {"en base a", "a nivell de", "de cara a", "en relació a", "degut a", "en el seu defecte",
          "a la major brevetat", "a l'objecte de", "sense altre particular", "tenir que", "hi ha que"})
        for (const std::string &catalan : catalanTexts)
            EXPECT_FALSE(catalan == cp(calque) || catalan.rfind(cp(calque) + ' ', 0) == 0)
                << '"' << u8(catalan) << "\" is a calque";
}

TEST(ReferenceTables, VocabularyIsGroupedByCatalanHeadwordWithTheHeadwordFirst)
{
    const auto vocabulary = walk(g_vocabulary);
    std::string previousKey;
    bool phraseSeen = false;
    for (std::size_t i = 0; i < vocabulary.size(); ++i) {
        const std::string catalan = trimmed(vocabulary[i].catalan);
        const std::string key = dictionaryKey(catalan.substr(0, catalan.find(' ')));
        EXPECT_GE(key, previousKey) << "record " << i << " \"" << u8(catalan) << "\" is out of order";
        if (key != previousKey)
            phraseSeen = false;
        if (isHeadwordRecord(catalan))
            EXPECT_FALSE(phraseSeen) << "record " << i << " \"" << u8(catalan)
                                     << "\" comes after a phrase of its headword";
        else
            phraseSeen = true;
        previousKey = key;
    }
}

TEST(ReferenceTables, VocabularyHoldsNoPairTwice)
{
    std::map<std::pair<std::string, std::string>, std::size_t> seen;
    const auto vocabulary = walk(g_vocabulary);
    for (std::size_t i = 0; i < vocabulary.size(); ++i) {
        const auto [it, inserted] =
            seen.emplace(std::make_pair(std::string(vocabulary[i].castilian), std::string(vocabulary[i].catalan)), i);
        EXPECT_TRUE(inserted) << "records " << it->second << " and " << i << " are both \""
                              << u8(vocabulary[i].castilian) << "\" / \"" << u8(vocabulary[i].catalan) << '"';
    }
}

TEST(ReferenceTables, AbbreviationsAreLooselyAlphabeticalWithTheirKnownRows)
{
    const auto abbreviations = walk(g_abbreviations);
    ASSERT_FALSE(abbreviations.empty());
    EXPECT_EQ(trimmed(abbreviations.front().abbreviation), "(a)");
    EXPECT_EQ(std::string(abbreviations.front().meaning).rfind(cp("àlies;"), 0), 0u);
    EXPECT_GT(trimmed(abbreviations.front().meaning).size(), cp("àlies; ").size())
        << "the meaning goes on with an example";
    EXPECT_EQ(trimmed(abbreviations.back().abbreviation), "x");
    EXPECT_EQ(trimmed(abbreviations.back().meaning), "xec");

    std::map<std::string, std::string> meaning;
    std::string previousKey;
    for (const AbbrevEntry &e : abbreviations) {
        meaning[trimmed(e.abbreviation)] = trimmed(e.meaning);
        const std::string key = looseKey(e.abbreviation);
        EXPECT_GE(key, previousKey) << '"' << u8(e.abbreviation) << "\" is out of order";
        previousKey = key;
    }
    EXPECT_EQ(meaning["a/"], cp("a l'atenció de"));
    EXPECT_EQ(meaning["abr."], "abril");
    EXPECT_EQ(meaning["adj."], "adjunt -a");
    EXPECT_EQ(meaning["d. d'o."], cp("denominació d'origen"));
    EXPECT_EQ(meaning["v. i p."], "vist i plau");

    // Today's usage: "juny" is never abbreviated, company and law acronyms go without full stops.
    EXPECT_FALSE(meaning.count("jun."));
    EXPECT_FALSE(meaning.count("AA. VV."));
    EXPECT_EQ(meaning["AADD"], "autors diversos");
    EXPECT_EQ(meaning["s. e. o o."], "salvat error o omissi\xF3");
    EXPECT_EQ(meaning["p. p."], "per poder; port pagat");
    for (const char *acronym : {"SA", "SAL", "SAU", "SCCL", "SL", "SLL", "SLU", "DL", "RD"})
        EXPECT_TRUE(meaning.count(acronym)) << acronym;
    for (const char *dotted :
         {"S. A.", "S. A. L.", "S. A. U.", "S. C. C. L.", "S. L.", "S. L. L.", "S. L. U.", "D. L.", "R. D."})
        EXPECT_FALSE(meaning.count(dotted)) << dotted << " is an acronym, written without full stops";
}

TEST(ReferenceTables, SymbolsAreAlphabeticalByDescriptionAfterTheFirstFive)
{
    const auto symbols = walk(g_symbols);
    ASSERT_GT(symbols.size(), 5u);
    EXPECT_EQ(trimmed(symbols.front().symbol), "a");
    EXPECT_EQ(std::string(symbols.front().description), cp("àrea"));
    EXPECT_EQ(trimmed(symbols.back().symbol), "W");
    EXPECT_EQ(std::string(symbols.back().description), "watt");

    std::map<std::string, std::string> description;
    for (const SymbolEntry &e : symbols) {
        const auto [it, inserted] = description.emplace(trimmed(e.symbol), e.description);
        EXPECT_TRUE(inserted) << "symbol \"" << u8(it->first) << "\" twice";
    }
    // "a" and "A" are distinct signs, of the are and of the ampere.
    EXPECT_EQ(description["A"], "amper");
    EXPECT_EQ(description["cm"], cp("centímetre"));
    EXPECT_EQ(description["DM"], "marc alemany (moneda anterior a l'euro)");
    EXPECT_EQ(description["CIF"], cp("codi d'identificació fiscal (substituït pel NIF)"));
    EXPECT_EQ(description["DNI"], cp("document nacional d'identitat"));
    // The acronyms of today's procedure, e-administration and data protection, in Catalan.
    EXPECT_EQ(description["CSV"], cp("codi segur de verificació"));
    EXPECT_EQ(description["RGPD"], cp("Reglament general de protecció de dades"));
    EXPECT_EQ(description["LPACAP"], cp("Llei 39/2015, del procediment administratiu comú"));
    EXPECT_EQ(description["DIR3"], cp("Directori comú d'unitats orgàniques i oficines"));
    for (const char *acronym : {"LOPDGDD", "LRJSP", "TIE", "CCAE", "EACAT", "PCAP", "DEUC"})
        EXPECT_TRUE(description.count(acronym)) << acronym;

    // The first five stand out of the alphabetical run that the rest keep.
    EXPECT_GT(looseKey(symbols[4].description), looseKey(symbols[5].description));
    for (std::size_t i = 6; i < symbols.size(); ++i)
        EXPECT_GE(looseKey(symbols[i].description), looseKey(symbols[i - 1].description))
            << '"' << u8(symbols[i].description) << "\" is out of order";
}
