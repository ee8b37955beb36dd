#include "shell/DropEffects.h"

namespace lrw {

TDropEffect ChooseDropEffect(const DropEffectQuery& q) {
  if (q.ownDrag && !q.acceptOwnDnD) return deNone;
  if (q.shift && !q.ctrl && (q.targetEffects & deMove)) return deMove;
  if (q.ctrl && q.shift && (q.targetEffects & deLink)) return deLink;
  for (const TDropEffect e : {deCopy, deMove, deLink}) {
    if ((q.targetEffects & e) && (q.sourceEffects & e)) return e;
  }
  return deNone;
}

TDropEffect ReportedDropEffect(TDropEffect chosen, TDropEffectSet sourceEffects) {
  if (chosen != deMove) return chosen;
  if (sourceEffects & deCopy) return deCopy;
  if (sourceEffects & deLink) return deLink;
  return deNone;
}

int PrimaryLanguageIdOf(std::string_view iso) {
  const std::string_view code = iso.substr(0, 2);
  if (code == "de") return kLangGerman;
  if (code == "es") return kLangSpanish;
  if (code == "fr") return kLangFrench;
  if (code == "it") return kLangItalian;
  if (code == "pl") return kLangPolish;
  if (code == "pt") return kLangPortuguese;
  return kLangEnglish;
}

DropMenuCaptions DropMenuCaptionsFor(int language) {
  switch (language) {
    case kLangGerman:
      return {"Hierher &kopieren", "Hierher &verschieben", "Verknüpfung(en) hier &erstellen",
              "&Abbrechen"};
    case kLangSpanish:
      return {"&Copie aquí", "&Muévase aquí", "&Atajo(s) crea aquí ", "&Aborto"};
    case kLangFrench:
      return {"&Copier ici", "&Transférer ici", "&Créer un ou des raccourci(s) ici", "&Arrêt"};
    case kLangItalian:
      return {"&Copiare qui", "&Muoversi qui", "&Scorciatoia(e) crea qui", "&Terminazione"};
    case kLangPolish:
      return {"&Kopiuj tutaj", "&Przenieś tutaj", "Utwórz &skrót(y) tutaj", "&Anuluj"};
    case kLangPortuguese:
      return {"&Copíe aqui", "&Mova aqui", "&Atalho(s) cría aqui", "&Aborto"};
    default:
      return {"&Copy Here", "&Move Here", "&Shortcut(s) Create Here", "&Abort"};
  }
}

}  // namespace lrw
