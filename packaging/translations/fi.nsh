; The installer's and uninstaller's own texts in Finnish (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_FINNISH} "Quenby on yhä käynnissä, eikä sitä voitu lopettaa."
LangString STILL_RUNNING_BOX ${LANG_FINNISH} "Quenby on yhä käynnissä, eikä sitä voitu lopettaa.$\r$\n$\r$\nLopeta se (ilmaisinalueen valikosta: Lopeta RAM-optimointi) ja sulje hallintapaneelin ikkuna. Valitse sitten Yritä uudelleen."
LangString STILL_RUNNING_ABORT ${LANG_FINNISH} "Quenby on yhä käynnissä. Mitään ei muutettu."
LangString ALREADY_RUNNING ${LANG_FINNISH} "Quenby-ohjelman asennus tai asennuksen poisto on jo käynnissä."
LangString CLOSING ${LANG_FINNISH} "Lopetetaan Quenby, jos se on käynnissä..."
LangString PANEL_LINK_DESCRIPTION ${LANG_FINNISH} "Quenby-hallintapaneeli: RAM-muistin ja suorittimen lukemat sekä asetukset"
LangString ENGINE_LINK_NAME ${LANG_FINNISH} "Quenby ilmaisinalueella"
LangString ENGINE_LINK_DESCRIPTION ${LANG_FINNISH} "Käynnistä Quenby-ohjelma ilmaisinalueelle vapauttamaan RAM-muistia"
LangString SECTION_PROGRAM ${LANG_FINNISH} "Quenby (pakollinen)"
LangString SECTION_AUTOSTART ${LANG_FINNISH} "Käynnistä, kun Windows käynnistyy"
LangString RESTARTING_ENGINE ${LANG_FINNISH} "Käynnistetään ilmaisinalueen ohjelma uudelleen..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_FINNISH} "Ilmaisinalueen ohjelma, hallintapaneeli, komentoriviasiakas quenbyctl ja Käynnistä-valikon pikakuvakkeet."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_FINNISH} "Käynnistä ilmaisinalueen ohjelma Windows-kirjautumisen yhteydessä."
LangString BAD_AUTOSTART ${LANG_FINNISH} "Tuntematon arvo /AUTOSTART=$1: käytä arvoa /AUTOSTART=1 tai /AUTOSTART=0."
LangString FINISH_RUN ${LANG_FINNISH} "Avaa Quenby-hallintapaneeli"
LangString NEEDS_ADMINISTRATOR ${LANG_FINNISH} "Quenby-ohjelman asentaminen tai poistaminen kaikille tämän tietokoneen käyttäjille edellyttää järjestelmänvalvojan oikeuksia. Suorita ohjelma uudelleen järjestelmänvalvojana."
LangString FINISH_MACHINE_TEXT ${LANG_FINNISH} "Quenby on asennettu kaikille tämän tietokoneen käyttäjille.$\r$\n$\r$\nAsennusohjelma ei käynnistänyt sitä. Avaa se Käynnistä-valikosta. Jos ”Käynnistä, kun Windows käynnistyy” valittiin, se käynnistyy kullekin käyttäjälle tämän kirjautuessa sisään."
LangString FINISH_SET_ASIDE ${LANG_FINNISH} "Edellinen versio on yhä käynnissä toisen käyttäjän istunnossa ja pysyy käynnissä siellä, kunnes se lopetetaan. Sen tiedostot poistetaan, kun käynnistät tietokoneen uudelleen."
LangString SET_ASIDE_DETAIL ${LANG_FINNISH} "$R0 on käytössä toisen käyttäjän istunnossa, ja sen nimeksi muutettiin $R1."
LangString UNINSTALL_IN_USE ${LANG_FINNISH} "Osa Quenby-ohjelman tiedostoista on käytössä toisen käyttäjän istunnossa. Ne poistetaan, kun käynnistät tietokoneen uudelleen."
