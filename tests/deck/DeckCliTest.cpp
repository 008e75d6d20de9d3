#include "cli/CliRun.h"
#include "review/ReviewSupport.h"

#include <gtest/gtest.h>

namespace {

// A program's standard output, run with a time bound through the shell; nullopt when it failed.
std::optional<std::string> Shell(const std::string& command)
{
    std::string out;
    FILE* pipe = popen(("timeout 120 " + command + " 2>/dev/null").c_str(), "r");
    std::array<char, 4096> chunk {};
    for (std::size_t n; (n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0;)
        out.append(chunk.data(), n);
    return pclose(pipe) == 0 ? std::optional(out) : std::nullopt;
}

class DeckCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        Ok({ "new", List, "--foreign", "German (Standard)", "--native", "English (United States)" });
    }
    TDataHome Home;
    std::string List = Home.Dir().File("list.vmr");
};

// An independent reader of the format (the zip and SQLite tools of the system) finds the list's
// words in the exported package, with one card per direction asked and the answers of the history.
TEST_F(DeckCli, ExportIsReadByAnIndependentReader)
{
    Ok({ "add", List, "K\xC3\xA4se & Brot", "cheese and bread" });
    Ok({ "add", List, "Hund", "dog; hound" });
    const std::string package = Home.Dir().File("out.apkg"), db = Home.Dir().File("out.db");
    THistory(THistory::DefaultPath())
        .RecordAnswer({ 0x07, 0x09, "Hund", "dog; hound", 1 }, true, false,
            (std::time(nullptr) - 86400) * 1000, 3000, {}, false);
    Ok({ "export", List, package, "--format", "apkg", "--directions", "word,translations", "--review-log" });
    ASSERT_TRUE(Shell("unzip -p " + package + " collection.anki2 > " + db));
    const auto read = Shell("sqlite3 -separator '|' " + db
        + " \"PRAGMA integrity_check; SELECT ver FROM col; SELECT replace(flds, char(31), '/') FROM notes "
          "ORDER BY id;"
          " SELECT n.sfld, c.ord, c.factor FROM cards c JOIN notes n ON n.id = c.nid ORDER BY c.id;"
          " SELECT r.ease, c.ord FROM revlog r JOIN cards c ON c.id = r.cid;"
          " SELECT csum FROM notes ORDER BY id; SELECT json_extract(conf, '$.nextPos') FROM col;"
          " SELECT json_extract(value, '$.name') FROM col, json_each(col.decks);"
          " SELECT json_extract(m.value, '$.type'), json_extract(m.value, '$.sortf'), json_extract(t.value, "
          "'$.qfmt')"
          " FROM col, json_each(col.models) m, json_each(m.value, '$.tmpls') t;"
          " SELECT json_extract(f.value, '$.name') FROM col, json_each(col.models) m,"
          " json_each(m.value, '$.flds') f\"");
    ASSERT_TRUE(read) << "sqlite3 could not read the package";
    // A standard note type (not cloze), sorted by its first field, with a card template each way.
    EXPECT_EQ(*read,
        "ok\n11\nK\xC3\xA4se &amp; Brot/cheese and bread\nHund/dog; hound\nK\xC3\xA4se & Brot|0|0\n"
        "K\xC3\xA4se & Brot|1|0\nHund|0|0\nHund|1|2500\n3|1\n624975387\n243334449\n3\nDefault\nlist\n"
        "0|0|{{Front}}\n0|0|{{Back}}\nFront\nBack\n");
    FailsWith(2, { "export", List, package, "--format", "apkg", "--directions", "back" }, "--directions");
}

// A package written by an npm package that writes them comes in field for field.
TEST_F(DeckCli, ImportsAPackageOfAnotherWriter)
{
    const std::string modules = VELMORIA_NPM_DIR;
    if (!std::filesystem::exists(modules + "/node_modules/anki-apkg-export/package.json")
        && !Shell("npm install --prefer-offline --no-audit --no-fund --prefix " + modules
            + " anki-apkg-export@4.0.3"))
        GTEST_SKIP()
            << "npm could not install anki-apkg-export (no registry?): the other writer is not tested";
    // Its package is made once per build folder (its program starts slowly), again when the script changes.
    const std::string script = modules + "/make.js", package = modules + "/made.apkg";
    const std::string text = "const AnkiExport = require('" + modules
        + "/node_modules/anki-apkg-export').default;\n"
          "const deck = new AnkiExport('npm');\n"
          "deck.addCard('Hund', 'dog<br>hound', { tags: ['noun', 'pet'] });\n"
          "deck.addCard('K&auml;se [sound:k.mp3]', '<b>cheese</b>');\n"
          "deck.addCard('<img src=\"x.png\">', 'nothing');\n"
          "deck.save().then(zip => require('fs').writeFileSync('"
        + package + "', zip, 'binary'));\n";
    if (!std::filesystem::exists(package) || ReadBytes(script) != text) {
        WriteBytes(script, text);
        ASSERT_TRUE(Shell("node " + script));
    }
    const TCliResult run = Cli({ "import", List, package, "--tags" });
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(Contains(run.Err, "Fields: Front, Back. 3 notes.")) << run.Err;
    EXPECT_TRUE(Contains(run.Out, "2 items imported successfully.")) << run.Out;
    EXPECT_EQ(Ok({ "list", List }),
        "0\tHund\tnoun pet\t\tdog; hound\t0\t0\t0\n1\tK\xC3\xA4se\t\t\tcheese\t0\t0\t0\n");
    // The settings of our collection that the other writer writes too are its own, but for ids, times,
    // names, card templates and a few options of review.
    const std::string ours = Home.Dir().File("ours.apkg"), a = Home.Dir().File("a.db"),
                      b = Home.Dir().File("b.db");
    Ok({ "export", List, ours, "--format", "apkg" });
    const auto differ = Shell("unzip -p " + ours + " collection.anki2 > " + a + " && unzip -p " + package
        + " collection.anki2 > " + b + " && sqlite3 " + a + " \"ATTACH '" + b
        + "' AS t; "
          "WITH c AS (SELECT 0 w, * FROM main.col UNION ALL SELECT 1, * FROM t.col), j AS (SELECT w, "
          "json_array("
          "json(conf), json_extract(decks, '$.1'), json(dconf), (SELECT value FROM json_each(models)), ver, "
          "dty, usn, "
          "ls) x FROM c) SELECT f.fullkey FROM j o, json_tree(o.x) f, j t, json_tree(t.x) g WHERE o.w = 0 "
          "AND t.w = 1 "
          "AND g.fullkey = f.fullkey AND f.atom IS NOT g.atom ORDER BY 1\"");
    EXPECT_EQ(differ.value_or("not read"),
        "$[0].activeDecks[0]\n$[0].curDeck\n$[0].curModel\n$[0].nextPos\n$[1].mod\n$[1].usn\n$[2].\"1\".new."
        "bury\n"
        "$[2].\"1\".rev.bury\n$[2].\"1\".rev.perDay\n$[3].css\n$[3].did\n$[3].id\n$[3].latexPre\n$[3].mod\n"
        "$[3].name\n$[3].req[0][1]\n$[3].tmpls[0].afmt\n");
}

// A damaged package changes neither the list nor the history.
TEST_F(DeckCli, DamagedPackageChangesNothing)
{
    Ok({ "add", List, "Hund", "dog" });
    const std::string package = Home.Dir().File("in.apkg"), before = ReadBytes(List);
    Ok({ "export", List, package, "--format", "apkg" });
    std::string bytes = ReadBytes(package);
    bytes[bytes.size() / 2] ^= 0x20;
    WriteBytes(package, bytes);
    FailsWith(1, { "import", List, package }, "damaged");
    WriteBytes(package, "PK\x03\x04 and nothing else");
    FailsWith(1, { "import", List, package }, "damaged");
    EXPECT_EQ(ReadBytes(List), before);
    EXPECT_FALSE(std::filesystem::exists(THistory::DefaultPath()));
}

} // namespace
