#include "dial/dxf_tags.h"

#include <algorithm>
#include <cstdio>

namespace orvane::dial {

namespace {

// The objects every file holds, at handles of their own below the entities'.
enum Handle : unsigned {
    kLayerTable = 0x1,
    kLtypeTable,
    kAppidTable,
    kDimstyleTable,
    kStyleTable,
    kUcsTable,
    kViewTable,
    kVportTable,
    kBlockRecordTable,
    kRootDictionary = 0x10,
    kGroupDictionary,
    kLayoutDictionary,
    kPlotStyleDictionary,
    kPlotStyleNormal,
    kModelRecord = 0x20,
    kModelBlock,
    kModelBlockEnd,
    kModelLayout,
    kPaperRecord,
    kPaperBlock,
    kPaperBlockEnd,
    kPaperLayout,
    kActiveVport = 0x30,
    kByBlock,
    kByLayer,
    kContinuous,
    kStandardStyle,
    kLabelStyle,
    kAcadApp,
    kStandardDimstyle,
};

std::string hex(unsigned handle)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", handle);
    return buf;
}

void object(DxfTags &t, const char *type, unsigned handle, unsigned owner, int handleCode = 5)
{
    t.pair(0, type);
    t.pair(handleCode, hex(handle));
    t.pair(330, hex(owner));
}

void table(DxfTags &t, const char *name, unsigned handle, int entries)
{
    object(t, "TABLE", handle, 0);
    t.pair(2, name);
    t.pair(100, "AcDbSymbolTable");
    t.pair(70, entries);
}

void record(DxfTags &t, const char *type, unsigned handle, unsigned table, const char *subclass,
            const std::string &name, int handleCode = 5)
{
    object(t, type, handle, table, handleCode);
    t.pair(100, "AcDbSymbolTableRecord");
    t.pair(100, subclass);
    t.pair(2, name);
    t.pair(70, 0);
}

void endTable(DxfTags &t) { t.pair(0, "ENDTAB"); }

void header(DxfTags &t, const PlateRect &extent, unsigned seed)
{
    t.pair(0, "SECTION");
    t.pair(2, "HEADER");
    t.pair(9, "$ACADVER");
    t.pair(1, "AC1015");
    t.pair(9, "$DWGCODEPAGE");
    t.pair(3, "ANSI_1252");
    t.pair(9, "$HANDSEED");
    t.pair(5, hex(seed));
    t.pair(9, "$INSUNITS");
    t.pair(70, 4); // millimetres
    t.pair(9, "$MEASUREMENT");
    t.pair(70, 1); // metric
    t.pair(9, "$EXTMIN");
    t.point({extent.xMin, extent.yMin});
    t.pair(9, "$EXTMAX");
    t.point({extent.xMax, extent.yMax});
    t.pair(9, "$TEXTSTYLE");
    t.pair(7, kDxfTextStyle);
    t.pair(9, "$CELTYPE");
    t.pair(6, "ByLayer");
    t.pair(0, "ENDSEC");
}

void linetype(DxfTags &t, unsigned handle, const char *name, const char *look)
{
    record(t, "LTYPE", handle, kLtypeTable, "AcDbLinetypeTableRecord", name);
    t.pair(3, look);
    t.pair(72, 65);
    t.pair(73, 0);
    t.pair(40, 0.0);
}

void textStyle(DxfTags &t, unsigned handle, const char *name, const char *font)
{
    record(t, "STYLE", handle, kStyleTable, "AcDbTextStyleTableRecord", name);
    t.pair(40, 0.0); // the height each text gives
    t.pair(41, 1.0);
    t.pair(50, 0.0);
    t.pair(71, 0);
    t.pair(42, 2.5);
    t.pair(3, font);
    t.pair(4, "");
}

void tables(DxfTags &t, const std::vector<DxfLayer> &layers, const PlateRect &extent)
{
    t.pair(0, "SECTION");
    t.pair(2, "TABLES");

    // A view of the whole drawing on opening.
    table(t, "VPORT", kVportTable, 1);
    record(t, "VPORT", kActiveVport, kVportTable, "AcDbViewportTableRecord", "*Active");
    t.point({0, 0}, 10);
    t.point({1, 1}, 11);
    t.point({(extent.xMin + extent.xMax) / 2, (extent.yMin + extent.yMax) / 2}, 12);
    t.pair(40, 1.1 * std::max(extent.yMax - extent.yMin, (extent.xMax - extent.xMin) / 1.5));
    t.pair(41, 1.5);
    endTable(t);

    // Continuous lines only: cutters drop dashes, and a dashed score is no use.
    table(t, "LTYPE", kLtypeTable, 3);
    linetype(t, kByBlock, "ByBlock", "");
    linetype(t, kByLayer, "ByLayer", "");
    linetype(t, kContinuous, "Continuous", "Solid line");
    endTable(t);

    table(t, "LAYER", kLayerTable, int(layers.size()));
    for (const DxfLayer &l : layers) {
        record(t, "LAYER", t.next++, kLayerTable, "AcDbLayerTableRecord", l.name);
        t.pair(62, l.colour);
        t.pair(6, "Continuous");
        t.pair(390, hex(kPlotStyleNormal));
    }
    endTable(t);

    // A font every system has or substitutes: the labels keep the
    // widths the drawing gave them room for.
    table(t, "STYLE", kStyleTable, 2);
    textStyle(t, kStandardStyle, "Standard", "txt");
    textStyle(t, kLabelStyle, kDxfTextStyle, "LiberationSans-Regular.ttf");
    endTable(t);

    table(t, "VIEW", kViewTable, 0);
    endTable(t);
    table(t, "UCS", kUcsTable, 0);
    endTable(t);
    table(t, "APPID", kAppidTable, 1);
    record(t, "APPID", kAcadApp, kAppidTable, "AcDbRegAppTableRecord", "ACAD");
    endTable(t);
    table(t, "DIMSTYLE", kDimstyleTable, 1);
    t.pair(100, "AcDbDimStyleTable");
    record(t, "DIMSTYLE", kStandardDimstyle, kDimstyleTable, "AcDbDimStyleTableRecord", "Standard", 105);
    endTable(t);

    table(t, "BLOCK_RECORD", kBlockRecordTable, 2);
    record(t, "BLOCK_RECORD", kModelRecord, kBlockRecordTable, "AcDbBlockTableRecord", "*Model_Space");
    t.pair(340, hex(kModelLayout));
    record(t, "BLOCK_RECORD", kPaperRecord, kBlockRecordTable, "AcDbBlockTableRecord", "*Paper_Space");
    t.pair(340, hex(kPaperLayout));
    endTable(t);
    t.pair(0, "ENDSEC");
}

void block(DxfTags &t, const char *name, unsigned record, unsigned begin, unsigned end)
{
    object(t, "BLOCK", begin, record);
    t.pair(100, "AcDbEntity");
    t.pair(8, "0");
    t.pair(100, "AcDbBlockBegin");
    t.pair(2, name);
    t.pair(70, 0);
    t.point({0, 0});
    t.pair(3, name);
    t.pair(1, "");
    object(t, "ENDBLK", end, record);
    t.pair(100, "AcDbEntity");
    t.pair(8, "0");
    t.pair(100, "AcDbBlockEnd");
}

void dictionary(DxfTags &t, unsigned handle, unsigned owner,
                const std::vector<std::pair<const char *, unsigned>> &entries)
{
    object(t, "DICTIONARY", handle, owner);
    t.pair(100, "AcDbDictionary");
    t.pair(281, 1);
    for (const auto &[name, entry] : entries) {
        t.pair(3, name);
        t.pair(350, hex(entry));
    }
}

// A layout on A3 in millimetres; a cutter reads the model space alone.
void layout(DxfTags &t, unsigned handle, const char *name, int order, unsigned record)
{
    object(t, "LAYOUT", handle, kLayoutDictionary);
    t.pair(100, "AcDbPlotSettings");
    for (int code : {1, 2, 4, 6})
        t.pair(code, "");
    for (int code : {40, 41, 42, 43})
        t.pair(code, 7.5);
    t.pair(44, 420.0);
    t.pair(45, 297.0);
    for (int code : {46, 47, 48, 49, 140, 141})
        t.pair(code, 0.0);
    t.pair(142, 1.0);
    t.pair(143, 1.0);
    t.pair(70, order == 0 ? 1024 : 0);
    t.pair(72, 1); // millimetres
    t.pair(73, 0);
    t.pair(74, 5);
    t.pair(7, "");
    t.pair(75, 16);
    t.pair(76, 0);
    t.pair(77, 2);
    t.pair(78, 300);
    t.pair(147, 1.0);
    t.pair(148, 0.0);
    t.pair(149, 0.0);
    t.pair(100, "AcDbLayout");
    t.pair(1, name);
    t.pair(70, 1);
    t.pair(71, order);
    t.point({0, 0}, 10);
    t.point({420, 297}, 11);
    t.point({0, 0}, 12);
    t.point({0, 0}, 14);
    t.point({420, 297}, 15);
    t.pair(146, 0.0);
    t.point({0, 0}, 13);
    t.point({1, 0}, 16);
    t.point({0, 1}, 17);
    t.pair(76, 1);
    t.pair(330, hex(record));
}

void objects(DxfTags &t)
{
    t.pair(0, "SECTION");
    t.pair(2, "OBJECTS");
    dictionary(t, kRootDictionary, 0,
               {{"ACAD_GROUP", kGroupDictionary},
                {"ACAD_LAYOUT", kLayoutDictionary},
                {"ACAD_PLOTSTYLENAME", kPlotStyleDictionary}});
    dictionary(t, kGroupDictionary, kRootDictionary, {});
    dictionary(t, kLayoutDictionary, kRootDictionary, {{"Model", kModelLayout}, {"Layout1", kPaperLayout}});
    object(t, "ACDBDICTIONARYWDFLT", kPlotStyleDictionary, kRootDictionary);
    t.pair(100, "AcDbDictionary");
    t.pair(281, 1);
    t.pair(3, "Normal");
    t.pair(350, hex(kPlotStyleNormal));
    t.pair(100, "AcDbDictionaryWithDefault");
    t.pair(340, hex(kPlotStyleNormal));
    object(t, "ACDBPLACEHOLDER", kPlotStyleNormal, kPlotStyleDictionary);
    layout(t, kModelLayout, "Model", 0, kModelRecord);
    layout(t, kPaperLayout, "Layout1", 1, kPaperRecord);
    t.pair(0, "ENDSEC");
}

} // namespace

void DxfTags::pair(int code, const std::string &value)
{
    out += std::to_string(code);
    out += '\n';
    out += value;
    out += '\n';
}

void DxfTags::pair(int code, double value)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.6f", value);
    pair(code, std::string(buf));
}

void DxfTags::pair(int code, int value) { pair(code, std::to_string(value)); }

void DxfTags::point(PlatePoint p, int base)
{
    pair(base, p.x);
    pair(base + 10, p.y);
    pair(base + 20, 0.0);
}

void DxfTags::handle(int code) { pair(code, hex(next++)); }

void DxfTags::entity(const char *type, const std::string &layer)
{
    pair(0, type);
    handle();
    pair(330, hex(kModelRecord));
    pair(100, "AcDbEntity");
    pair(8, layer);
}

std::string dxfDocument(DxfTags entities, const std::vector<DxfLayer> &layers, const PlateRect &extent)
{
    DxfTags rest;
    rest.next = entities.next;
    tables(rest, layers, extent);
    rest.pair(0, "SECTION");
    rest.pair(2, "BLOCKS");
    block(rest, "*Model_Space", kModelRecord, kModelBlock, kModelBlockEnd);
    block(rest, "*Paper_Space", kPaperRecord, kPaperBlock, kPaperBlockEnd);
    rest.pair(0, "ENDSEC");

    DxfTags file;
    file.pair(999, "Orvane dial, millimetres");
    header(file, extent, rest.next);
    file.pair(0, "SECTION");
    file.pair(2, "CLASSES");
    file.pair(0, "ENDSEC");
    file.out += rest.out;
    file.pair(0, "SECTION");
    file.pair(2, "ENTITIES");
    file.out += entities.out;
    file.pair(0, "ENDSEC");
    objects(file);
    file.pair(0, "EOF");
    return file.out;
}

} // namespace orvane::dial
