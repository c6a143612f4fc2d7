#pragma once
// The item changes (SpecialChange2): direct changes and the offers that wait for the player.
#include "change_grammar.h"

namespace zrx::grammar::change {

constexpr Field Entry(Field field) {
  field.repeat = Repeat::Entries;
  return field;
}
constexpr Field Named(Field field, std::string_view name) {
  field.name = name;
  return field;
}
inline constexpr Field kCountOp{.name = "operator", .pos = 0, .kind = FreeChar,
                                .meaning = "+: hozzáad, -: levon, más: beállít"};

inline constexpr Field kItemPlainFields[] = {kSequence, kPlain, ItemRef(4), At(kCountOp, 7), Amount(8, 3)};
inline constexpr Field kItemChapterFields[] = {kSequence, kMarker, kCommand4, ItemRef(5), At(kCountOp, 8), Amount(9, 3),
                                               ChapterRef(12)};
inline constexpr Field kItemEquipFields[] = {
    kSequence, kMarker, kCommand4,
    {.name = "lock", .pos = 5, .kind = OneOf, .allowed = "C", .expected = "C",
     .meaning = "C: használatba veszi és a helyét lezárja"},
    ItemRef(6)};
inline constexpr Field kItemReplaceFields[] = {
    kSequence, kMarker, kCommand4, ItemRef(5, "old", kReads), ItemRef(8, "new"),
    {.name = "confirm", .pos = 11, .kind = OneOf, .allowed = "S", .expected = "S",
     .meaning = "S: a csere megtörténik"}};
inline constexpr Field kItemLoseFields[] = {kSequence, kMarker, kCommand4};
inline constexpr Field kItemCountTestFields[] = {
    kSequence, kMarker, kCommand4, ItemRef(5, "item", kReads),
    {.name = "relation", .pos = 8, .width = 2, .kind = CountRelation, .allowed = "== != >> << >= <=",
     .meaning = "reláció: a darabszám az értékhez"},
    Amount(10), At(kEndOrSkip, 12)};
inline constexpr Field kItemPickUpFields[] = {
    kSequence, kMarker, kCommand4, Entry(ItemRef(5)),
    Entry({.name = "pieces", .pos = 8, .kind = Digit, .meaning = "darabszám"})};
inline constexpr Field kItemChooseFields[] = {
    kSequence, kMarker, kCommand4,
    {.name = "most", .pos = 5, .kind = Digit, .meaning = "legfeljebb ennyi választható"},
    Entry(ItemRef(6)), Entry({.name = "pieces", .pos = 9, .kind = Digit, .meaning = "darabszám"})};
inline constexpr Field kItemShopFields[] = {
    kSequence, kMarker, kCommand4, Entry(ItemRef(5)),
    Entry({.name = "price", .pos = 8, .width = 3, .kind = Number, .meaning = "ár"})};
inline constexpr Field kItemQuantitiesFields[] = {
    kSequence, kMarker, kCommand4,
    {.name = "total", .pos = 5, .width = 2, .kind = Number, .meaning = "összesen ennyi darab"}, Entry(ItemRef(7))};
inline constexpr Field kItemGiveUpFields[] = {
    kSequence, kMarker, kCommand4,
    {.name = "total", .pos = 5, .width = 2, .kind = Number, .meaning = "ennyit kell leadni"},
    Entry(ItemRef(7, "item", kReads))};
inline constexpr Field kItemExchangeFields[] = {
    kSequence, kMarker, kCommand4,
    {.name = "wanted", .pos = 5, .kind = Digit, .meaning = "a kért Tárgyak száma"},
    {.name = "given", .pos = 6, .kind = Digit, .meaning = "az adható Tárgyak száma"},
    {.name = "most", .pos = 7, .kind = Digit, .meaning = "legfeljebb ennyi saját Tárgyat ajánlhat"},
    {.name = "wantedItem", .pos = 8, .width = 3, .kind = Item, .meaning = "kért Tárgy", .flags = kReads,
     .repeat = Repeat::ByCount, .count = "wanted"},
    {.name = "givenItem", .pos = 11, .width = 3, .kind = Item, .meaning = "adható Tárgy", .repeat = Repeat::ByCount,
     .count = "given"},
};

// A demand ("K"): one criterion, or two after a separator, the second the alternative.
// "S" + item + amount (2 digits or "MM") takes pieces of an item; "T" + kind + amount
// takes items of a kind.
constexpr Field Criterion(std::size_t pos, std::string_view name) {
  return {.name = name, .pos = pos, .kind = OneOf, .allowed = "ST",
          .expected = "S (pieces of an item) or T (items of a kind)",
          .meaning = "S: egy Tárgy darabjai, T: egy fajta Tárgyai"};
}
constexpr Field DemandAmount(std::size_t pos, std::string_view name) {
  return {.name = name, .pos = pos, .width = 2, .kind = AmountOrAll, .allowed = "MM",
          .meaning = "darabszám (MM: mind)"};
}
constexpr Field DemandKind(std::size_t pos, std::string_view name) {
  return {.name = name, .pos = pos, .kind = ItemKind, .allowed = "EMN", .expected = "a kind (E, M or N)",
          .meaning = "E: egyedi, M: mágikus, N: bármely Tárgy"};
}
inline constexpr Field kDemandSeparator{.name = "separator", .pos = 0, .kind = FreeChar,
                                        .meaning = "elválasztó: utána a másik lehetőség"};
inline constexpr Field kDemandSFields[] = {kSequence, kMarker, kCommand4, Criterion(5, "criterion"),
                                           ItemRef(6, "item", kReads), DemandAmount(9, "amount")};
inline constexpr Field kDemandSSFields[] = {
    kSequence, kMarker, kCommand4, Criterion(5, "criterion"), ItemRef(6, "item", kReads), DemandAmount(9, "amount"),
    At(kDemandSeparator, 11), Criterion(12, "criterion2"), ItemRef(13, "item2", kReads), DemandAmount(16, "amount2")};
inline constexpr Field kDemandSTFields[] = {
    kSequence, kMarker, kCommand4, Criterion(5, "criterion"), ItemRef(6, "item", kReads), DemandAmount(9, "amount"),
    At(kDemandSeparator, 11), Criterion(12, "criterion2"), DemandKind(13, "kind2"),
    Named(Amount(14), "amount2")};
inline constexpr Field kDemandTFields[] = {kSequence, kMarker, kCommand4, Criterion(5, "criterion"),
                                           DemandKind(6, "kind"), Amount(7)};
inline constexpr Field kDemandTSFields[] = {
    kSequence, kMarker, kCommand4, Criterion(5, "criterion"), DemandKind(6, "kind"), Amount(7),
    At(kDemandSeparator, 9), Criterion(10, "criterion2"), ItemRef(11, "item2", kReads), DemandAmount(14, "amount2")};
inline constexpr Field kDemandTTFields[] = {
    kSequence, kMarker, kCommand4, Criterion(5, "criterion"), DemandKind(6, "kind"), Amount(7),
    At(kDemandSeparator, 9), Criterion(10, "criterion2"), DemandKind(11, "kind2"), Named(Amount(12), "amount2")};

inline constexpr CodeForm kItemPlain{"N", "a Tárgy darabszáma változik", {3, "N"}, {}, kItemPlainFields};
inline constexpr CodeForm kItemChapter{"P", "változás, ha az előző FejezetPont ez volt", {4, "P"}, {},
                                       kItemChapterFields};
inline constexpr CodeForm kItemEquip{"EC", "használatba vétel, a hely lezárva", {4, "E"}, {}, kItemEquipFields};
inline constexpr CodeForm kItemReplace{"X", "egy Tárgy a másik helyére", {4, "X"}, {}, kItemReplaceFields};
inline constexpr CodeForm kItemLose{"M", "minden eldobható Tárgy elvész", {4, "M"}, {}, kItemLoseFields};
inline constexpr CodeForm kItemCountTest{"H", "darabszám szerint vége vagy kihagyás", {4, "H"}, {},
                                         kItemCountTestFields};
inline constexpr CodeForm kItemPickUp{"O", "Felvehető Tárgyak", {4, "O"}, {}, kItemPickUpFields};
inline constexpr CodeForm kItemChoose{"V", "Választható Tárgyak", {4, "V"}, {}, kItemChooseFields};
inline constexpr CodeForm kItemShop{"B", "Vásárolható Tárgyak", {4, "B"}, {}, kItemShopFields};
inline constexpr CodeForm kItemQuantities{"F", "darabszámok választása", {4, "F"}, {}, kItemQuantitiesFields};
inline constexpr CodeForm kItemDemandS{"KS", "saját Tárgyak leadása", {4, "K"}, {5, "S"}, kDemandSFields, {11, "#"}};
inline constexpr CodeForm kItemDemandSS{"KSS", "saját Tárgyak leadása (két lehetőség)", {4, "K"}, {5, "S"},
                                        kDemandSSFields, {12, "S"}};
inline constexpr CodeForm kItemDemandST{"KST", "saját Tárgyak leadása (két lehetőség)", {4, "K"}, {5, "S"},
                                        kDemandSTFields};
inline constexpr CodeForm kItemDemandT{"KT", "saját Tárgyak leadása", {4, "K"}, {9, "#"}, kDemandTFields};
inline constexpr CodeForm kItemDemandTS{"KTS", "saját Tárgyak leadása (két lehetőség)", {4, "K"}, {10, "S"},
                                        kDemandTSFields};
inline constexpr CodeForm kItemDemandTT{"KTT", "saját Tárgyak leadása (két lehetőség)", {4, "K"}, {},
                                        kDemandTTFields};
inline constexpr CodeForm kItemGiveUp{"L", "a felsorolt Tárgyakból leadni", {4, "L"}, {}, kItemGiveUpFields};
inline constexpr CodeForm kItemExchange{"T", "csere", {4, "T"}, {}, kItemExchangeFields};

inline constexpr CodeForm kItemForms[] = {
    kItemPlain, kItemChapter, kItemEquip, kItemReplace, kItemLose, kItemCountTest, kItemPickUp, kItemChoose,
    kItemShop, kItemQuantities, kItemDemandS, kItemDemandSS, kItemDemandST, kItemDemandT, kItemDemandTS,
    kItemDemandTT, kItemGiveUp, kItemExchange,
};

}  // namespace zrx::grammar::change
