<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Με την επιφύλαξη παντός δικαιώματος.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Τοποθεσία web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Έκδοση: %1.%2.%3 (Beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <translation>για Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Γράφημα ελεύθερης μνήμης RAM</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <translation>Ελεύθερη μνήμη RAM: %1%</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Λίγη ελεύθερη μνήμη RAM</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Κάθε λίγα λεπτά</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Εκκίνηση</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Μενού της περιοχής ειδοποιήσεων</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Συντόμευση πληκτρολογίου</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Αίτημα</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Εκτελέστηκε</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Δεν εκτελέστηκε: ο επεξεργαστής ήταν απασχολημένος</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Δεν εκτελέστηκε: εκτελούνταν αποδέσμευση άλλου χρήστη</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Δεν εκτελέστηκε: εκτελούνταν ένα πρόγραμμα σε πλήρη οθόνη</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Δεν εκτελέστηκε: εκτελούνταν ένα προστατευμένο πρόγραμμα</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Δεν εκτελέστηκε: παύση μετά από μια αποδέσμευση που δεν βοήθησε</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Δεν εκτελέστηκε: περισσότερο από τα τρία τέταρτα της μνήμης RAM ήταν ελεύθερα</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Δεν έχει γίνει ακόμη καμία αποδέσμευση.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Πότε</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Αφορμή</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Αποτέλεσμα</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Πριν (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Μετά (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Σε χρήση (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Δευτερόλεπτα</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Ελεύθερη μνήμη RAM πριν από την αποδέσμευση</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Ελεύθερη μνήμη RAM μετά την αποδέσμευση</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>Η μνήμη RAM που δέσμευσε για λίγο η αποδέσμευση και έπειτα επέστρεψε</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Συνολική μνήμη RAM: μ/δ</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Διαθέσιμη μνήμη RAM: μ/δ</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Χρήση CPU: μ/δ</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>Αποδέσμευση μνήμης RAM</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Στόχος ελεύθερης μνήμης RAM:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Ελάχιστη ελεύθερη μνήμη RAM:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Πληροφορίες</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Ενεργοποίηση βελτιστοποιητή RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Απενεργοποίηση</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Έξοδος</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Το αρχείο δεν υπάρχει.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Δεν έχετε δικαίωμα εκτέλεσης αυτού του αρχείου.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Το αρχείο δεν είναι εκτελέσιμο πρόγραμμα.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Δεν υπάρχει αρκετή μνήμη για την εκκίνησή του.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <translation>Το σύστημα αρνήθηκε την εκκίνησή του (σφάλμα %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>Δεν ήταν δυνατή η εκκίνηση του βελτιστοποιητή RAM από %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Συνολική μνήμη RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>Διαθέσιμη μνήμη RAM: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Χρήση CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Στόχος ελεύθερης μνήμης RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>Ελάχιστη ελεύθερη μνήμη RAM, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Αποθήκευση του στόχου και του ελάχιστου ορίου ελεύθερης μνήμης RAM</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Άνοιγμα των επιλογών</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Ενεργοποίηση του βελτιστοποιητή RAM</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Απενεργοποίηση του βελτιστοποιητή RAM</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Έξοδος από τον βελτιστοποιητή RAM</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Πληροφορίες για το Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <translation>Το Ctrl+Alt+%1 δεν μπορεί να είναι συντόμευση πληκτρολογίου: η διάταξη του πληκτρολογίου σας δεν έχει πλήκτρο για το «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <translation>Το Ctrl+Alt+%1 δεν μπορεί να είναι συντόμευση πληκτρολογίου: στη διάταξη του πληκτρολογίου σας πληκτρολογεί «%2», το οποίο δεν θα μπορούσε πλέον να πληκτρολογηθεί σε κανένα πρόγραμμα.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Επιλογές</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Γενικά</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Αυτόματη εκκίνηση του Quenby κατά την εκκίνηση των Windows</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <translation>Αποδέσμευση μνήμης RAM κατά την εκκίνηση μετά από</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB μνήμης RAM κατά την εκκίνηση μετά από</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>δευτ.</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Αποδέσμευση μνήμης RAM κάθε</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB κάθε</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <translation>λεπτά, αν η ελεύθερη μνήμη RAM είναι κάτω από</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Παύση της αυτόματης αποδέσμευσης όσο δεν βοηθά</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Παύση της αυτόματης αποδέσμευσης όσο εκτελείται ένα πρόγραμμα σε πλήρη οθόνη</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <translation>Χρήση CPU:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Απενεργοποίηση ανίχνευσης χρήσης CPU</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Ενεργοποιήστε την ανίχνευση χρήσης CPU, ώστε το Quenby να μην αποδεσμεύει μνήμη RAM όταν η CPU είναι απασχολημένη. Σημειώστε ότι τα προγράμματα ψύξης της CPU και ορισμένα άλλα προγράμματα χρησιμοποιούν μια ειδική μέθοδο, εξαιτίας της οποίας η χρήση CPU παραμένει διαρκώς στο 100%. Σε αυτήν την περίπτωση, απενεργοποιήστε την ανίχνευση χρήσης CPU, ώστε το Quenby να μπορεί να αποδεσμεύει μνήμη RAM σε οποιοδήποτε επίπεδο χρήσης CPU.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Εικονίδιο</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Προεπιλογή:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Κατά την αποδέσμευση μνήμης RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Χρώμα κειμένου εικονιδίου</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Εμφάνιση</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <translation>στο εικονίδιο</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Εμφάνιση της ποσότητας μνήμης RAM που αποδεσμεύτηκε</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Αναδυόμενο μενού</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Αποδέσμευση</translation>
    </message>
    <message>
        <source>MB menu</source>
        <translation>MB (μενού)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Άλλα</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Απαλοιφή και του Προχείρου των Windows κατά την αποδέσμευση μνήμης RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Αναπαραγωγή ήχου ειδοποίησης πριν από την αποδέσμευση μνήμης RAM</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>Συντόμευση πληκτρολογίου για αποδέσμευση μνήμης RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Συντόμευση πληκτρολογίου για απενεργοποίηση/ενεργοποίηση του Quenby: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Μαύρο</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Λευκό</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Αυτόματο</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Ποσοστό χρήσης CPU</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Ποσοστό ελεύθερης μνήμης RAM</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Μνήμη RAM προς αποδέσμευση κατά την εκκίνηση, σε MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Καθυστέρηση της αποδέσμευσης κατά την εκκίνηση, σε δευτερόλεπτα</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Μνήμη RAM προς περιοδική αποδέσμευση, σε MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Διάστημα αποδέσμευσης μνήμης RAM, σε λεπτά (0 = ποτέ)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Μόνο αν η ελεύθερη μνήμη RAM είναι κάτω από αυτό το ποσοστό</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Χρήση CPU</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Τι δείχνει το εικονίδιο</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Πρώτη ποσότητα αποδέσμευσης στο μενού του εικονιδίου στην περιοχή ειδοποιήσεων, σε MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Δεύτερη ποσότητα αποδέσμευσης στο μενού του εικονιδίου στην περιοχή ειδοποιήσεων, σε MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Τρίτη ποσότητα αποδέσμευσης στο μενού του εικονιδίου στην περιοχή ειδοποιήσεων, σε MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Αρχείο ήχου ειδοποίησης</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Επιλογή αρχείου ήχου ειδοποίησης</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Συντόμευση πληκτρολογίου για αποδέσμευση μνήμης RAM: Ctrl + Alt + αυτό το πλήκτρο</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Συντόμευση πληκτρολογίου για απενεργοποίηση/ενεργοποίηση: Ctrl + Alt + αυτό το πλήκτρο</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Προσθήκη αρχείων</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Όλα τα αρχεία (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Παύση της αυτόματης αποδέσμευσης όσο εκτελείται ένα από αυτά τα προγράμματα:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Ιστορικό</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Ονόματα αρχείων προγραμμάτων όπως τα εμφανίζει η Διαχείριση εργασιών, διαχωρισμένα με ερωτηματικό (;).</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Αγνοήθηκαν, επειδή δεν είναι ονόματα αρχείων προγραμμάτων: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Ορίστηκε από τον διαχειριστή σας</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Ο διαχειριστής σας όρισε την αυτόματη εκκίνηση του Quenby για κάθε χρήστη αυτού του υπολογιστή.</translation>
    </message>
</context>
</TS>
