; The installer's and uninstaller's own texts in Slovak (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_SLOVAK} "Quenby je stále spustený a nepodarilo sa ho ukončiť."
LangString STILL_RUNNING_BOX ${LANG_SLOVAK} "Quenby je stále spustený a nepodarilo sa ho ukončiť.$\r$\n$\r$\nUkončite ho (v ponuke v oblasti oznámení: Ukončiť optimalizátor RAM; a zavrite okno riadiaceho panela) a potom vyberte Opakovať."
LangString STILL_RUNNING_ABORT ${LANG_SLOVAK} "Quenby je stále spustený; nič sa nezmenilo."
LangString ALREADY_RUNNING ${LANG_SLOVAK} "Inštalačný alebo odinštalačný program Quenby je už spustený."
LangString CLOSING ${LANG_SLOVAK} "Ukončuje sa Quenby, ak je spustený..."
LangString PANEL_LINK_DESCRIPTION ${LANG_SLOVAK} "Riadiaci panel Quenby: údaje o pamäti RAM a procesore a možnosti"
LangString ENGINE_LINK_NAME ${LANG_SLOVAK} "Quenby v oblasti oznámení"
LangString ENGINE_LINK_DESCRIPTION ${LANG_SLOVAK} "Spustiť modul Quenby v oblasti oznámení, ktorý uvoľňuje pamäť RAM"
LangString SECTION_PROGRAM ${LANG_SLOVAK} "Quenby (povinné)"
LangString SECTION_AUTOSTART ${LANG_SLOVAK} "Spúšťať so systémom Windows"
LangString RESTARTING_ENGINE ${LANG_SLOVAK} "Znova sa spúšťa modul v oblasti oznámení..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_SLOVAK} "Modul v oblasti oznámení, riadiaci panel, klient príkazového riadka quenbyctl a odkazy v ponuke Štart."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_SLOVAK} "Spúšťať modul v oblasti oznámení pri prihlásení do systému Windows."
LangString BAD_AUTOSTART ${LANG_SLOVAK} "Neznáma hodnota /AUTOSTART=$1: použite /AUTOSTART=1 alebo /AUTOSTART=0."
LangString FINISH_RUN ${LANG_SLOVAK} "Otvoriť riadiaci panel Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_SLOVAK} "Inštalácia alebo odstránenie aplikácie Quenby pre všetkých používateľov tohto počítača vyžaduje oprávnenia správcu. Spustite program znova ako správca."
LangString FINISH_MACHINE_TEXT ${LANG_SLOVAK} "Aplikácia Quenby bola nainštalovaná pre všetkých používateľov tohto počítača.$\r$\n$\r$\nInštalačný program ju nespustil. Otvorte ju z ponuky Štart. Ak bola vybratá možnosť Spúšťať so systémom Windows, spustí sa každému používateľovi, keď sa prihlási."
LangString FINISH_SET_ASIDE ${LANG_SLOVAK} "Predchádzajúca verzia je stále spustená v relácii iného používateľa a zostane spustená, kým sa neukončí. Jej súbory sa odstránia pri reštartovaní počítača."
LangString SET_ASIDE_DETAIL ${LANG_SLOVAK} "Súbor $R0 sa používa v relácii iného používateľa a bol premenovaný na $R1."
LangString UNINSTALL_IN_USE ${LANG_SLOVAK} "Niektoré súbory aplikácie Quenby sa používajú v relácii iného používateľa. Odstránia sa pri reštartovaní počítača."
