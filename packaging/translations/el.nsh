; The installer's and uninstaller's own texts in Greek (NSIS's language
; files give the rest). UTF-8 with a byte order mark, as makensis reads it;
; keep $\r$\n and $1 as they stand.

LangString STILL_RUNNING_DETAIL ${LANG_GREEK} "Το Quenby εκτελείται ακόμα και δεν ήταν δυνατό να κλείσει."
LangString STILL_RUNNING_BOX ${LANG_GREEK} "Το Quenby εκτελείται ακόμα και δεν ήταν δυνατό να κλείσει.$\r$\n$\r$\nΚλείστε το (μενού του εικονιδίου στην περιοχή ειδοποιήσεων: «Έξοδος από τον βελτιστοποιητή RAM», καθώς και το παράθυρο του πίνακα του Quenby) και, στη συνέχεια, επιλέξτε «Επανάληψη»."
LangString STILL_RUNNING_ABORT ${LANG_GREEK} "Το Quenby εκτελείται ακόμα. Δεν έγινε καμία αλλαγή."
LangString ALREADY_RUNNING ${LANG_GREEK} "Το πρόγραμμα εγκατάστασης ή κατάργησης εγκατάστασης του Quenby εκτελείται ήδη."
LangString CLOSING ${LANG_GREEK} "Κλείσιμο του Quenby, αν εκτελείται..."
LangString PANEL_LINK_DESCRIPTION ${LANG_GREEK} "Πίνακας του Quenby: τιμές μνήμης RAM και CPU και επιλογές"
LangString ENGINE_LINK_NAME ${LANG_GREEK} "Μονάδα του Quenby στην περιοχή ειδοποιήσεων"
LangString ENGINE_LINK_DESCRIPTION ${LANG_GREEK} "Εκκίνηση της μονάδας του Quenby στην περιοχή ειδοποιήσεων, η οποία αποδεσμεύει μνήμη RAM"
LangString SECTION_PROGRAM ${LANG_GREEK} "Quenby (απαιτείται)"
LangString SECTION_AUTOSTART ${LANG_GREEK} "Εκκίνηση με τα Windows"
LangString RESTARTING_ENGINE ${LANG_GREEK} "Εκ νέου εκκίνηση της μονάδας στην περιοχή ειδοποιήσεων..."
LangString SECTION_PROGRAM_DESCRIPTION ${LANG_GREEK} "Η μονάδα στην περιοχή ειδοποιήσεων, ο πίνακας του Quenby, το πρόγραμμα-πελάτης γραμμής εντολών quenbyctl και οι συντομεύσεις στο μενού «Έναρξη»."
LangString SECTION_AUTOSTART_DESCRIPTION ${LANG_GREEK} "Εκκίνηση της μονάδας στην περιοχή ειδοποιήσεων κατά τη σύνδεσή σας στα Windows."
LangString BAD_AUTOSTART ${LANG_GREEK} "Άγνωστη τιμή /AUTOSTART=$1: χρησιμοποιήστε /AUTOSTART=1 ή /AUTOSTART=0."
LangString FINISH_RUN ${LANG_GREEK} "Άνοιγμα του πίνακα του Quenby"
LangString NEEDS_ADMINISTRATOR ${LANG_GREEK} "Για την εγκατάσταση ή την κατάργηση του Quenby για όλους τους χρήστες αυτού του υπολογιστή απαιτούνται δικαιώματα διαχειριστή. Εκτελέστε το ξανά ως διαχειριστής."
LangString FINISH_MACHINE_TEXT ${LANG_GREEK} "Το Quenby εγκαταστάθηκε για όλους τους χρήστες αυτού του υπολογιστή.$\r$\n$\r$\nΤο πρόγραμμα εγκατάστασης δεν το εκκίνησε. Ανοίξτε το από το μενού «Έναρξη». Αν επιλέχθηκε η «Εκκίνηση με τα Windows», θα εκκινείται για κάθε χρήστη κατά τη σύνδεσή του."
LangString FINISH_SET_ASIDE ${LANG_GREEK} "Η προηγούμενη έκδοση εκτελείται ακόμα στην περίοδο λειτουργίας άλλου χρήστη και θα συνεχίσει να εκτελείται εκεί μέχρι να κλείσει. Τα αρχεία της θα διαγραφούν κατά την επανεκκίνηση του υπολογιστή."
LangString SET_ASIDE_DETAIL ${LANG_GREEK} "Το $R0 χρησιμοποιείται στην περίοδο λειτουργίας άλλου χρήστη και μετονομάστηκε σε $R1."
LangString UNINSTALL_IN_USE ${LANG_GREEK} "Ορισμένα αρχεία του Quenby χρησιμοποιούνται στην περίοδο λειτουργίας άλλου χρήστη. Θα διαγραφούν κατά την επανεκκίνηση του υπολογιστή."
