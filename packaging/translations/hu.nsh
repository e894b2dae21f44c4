; The installer's and uninstaller's own texts in Hungarian (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_HUNGARIAN} "A Quenby még fut, és nem sikerült bezárni."
LangString STILL_RUNNING_BOX ${LANG_HUNGARIAN} "A Quenby még fut, és nem sikerült bezárni.$\r$\n$\r$\nLépjen ki belőle (az értesítési terület menüjében: Kilépés a RAM-optimalizálóból; és zárja be a kezelőpanel ablakát), majd kattintson az Újra gombra."
LangString STILL_RUNNING_ABORT ${LANG_HUNGARIAN} "A Quenby még fut; semmi sem változott."
LangString ALREADY_RUNNING ${LANG_HUNGARIAN} "A Quenby telepítője vagy eltávolítója már fut."
LangString CLOSING ${LANG_HUNGARIAN} "A Quenby bezárása, ha fut..."
LangString PANEL_LINK_DESCRIPTION ${LANG_HUNGARIAN} "A Quenby kezelőpanelje: memória- és CPU-adatok, valamint a beállítások"
LangString ENGINE_LINK_NAME ${LANG_HUNGARIAN} "Quenby az értesítési területen"
LangString ENGINE_LINK_DESCRIPTION ${LANG_HUNGARIAN} "A Quenby értesítési területen futó moduljának indítása, amely felszabadítja a memóriát"
LangString SECTION_PROGRAM ${LANG_HUNGARIAN} "Quenby (kötelező)"
LangString SECTION_AUTOSTART ${LANG_HUNGARIAN} "Indítás a Windows indításakor"
LangString RESTARTING_ENGINE ${LANG_HUNGARIAN} "Az értesítési területen futó modul újraindítása..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_HUNGARIAN} "Az értesítési területen futó modul, a kezelőpanel, a quenbyctl parancssori ügyfél és a Start menü parancsikonjai."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_HUNGARIAN} "Az értesítési területen futó modul indítása a Windowsba való bejelentkezéskor."
LangString BAD_AUTOSTART ${LANG_HUNGARIAN} "Ismeretlen érték: /AUTOSTART=$1. Érvényes értékek: /AUTOSTART=1 vagy /AUTOSTART=0."
LangString FINISH_RUN ${LANG_HUNGARIAN} "A Quenby kezelőpaneljének megnyitása"
LangString NEEDS_ADMINISTRATOR ${LANG_HUNGARIAN} "A Quenby a számítógép minden felhasználója számára csak rendszergazdai jogokkal telepíthető vagy távolítható el. Futtassa újra rendszergazdaként."
LangString FINISH_MACHINE_TEXT ${LANG_HUNGARIAN} "A Quenby telepítése a számítógép minden felhasználója számára befejeződött.$\r$\n$\r$\nA telepítő nem indította el. Indítsa el a Start menüből. Ha az „Indítás a Windows indításakor” lehetőség ki volt jelölve, minden felhasználónál elindul, amikor bejelentkezik."
LangString FINISH_SET_ASIDE ${LANG_HUNGARIAN} "Az előző verzió még fut egy másik felhasználó munkamenetében, és ott fut tovább, amíg be nem zárják. Fájljai a számítógép újraindításakor törlődnek."
LangString SET_ASIDE_DETAIL ${LANG_HUNGARIAN} "$R0: egy másik felhasználó munkamenetében használatban van, ezért új nevet kapott: $R1."
LangString UNINSTALL_IN_USE ${LANG_HUNGARIAN} "A Quenby néhány fájlja egy másik felhasználó munkamenetében használatban van. Ezek a számítógép újraindításakor törlődnek."
