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
        <extracomment>Closes this About box.</extracomment>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Τοποθεσία web:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Έκδοση: %1.%2.%3 (Beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
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
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
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
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
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
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Ενεργοποίηση βελτιστοποιητή RAM</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Απενεργοποίηση</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
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
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Το σύστημα αρνήθηκε την εκκίνησή του (σφάλμα %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>Δεν ήταν δυνατή η εκκίνηση του βελτιστοποιητή RAM από %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>Συνολική μνήμη RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>Διαθέσιμη μνήμη RAM: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Χρήση CPU: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Στόχος ελεύθερης μνήμης RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
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
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Το Ctrl+Alt+%1 δεν μπορεί να είναι συντόμευση πληκτρολογίου: η διάταξη του πληκτρολογίου σας δεν έχει πλήκτρο για το «%1».</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
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
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Αποδέσμευση μνήμης RAM κατά την εκκίνηση μετά από</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>MB μνήμης RAM κατά την εκκίνηση μετά από</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>δευτ.</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Αποδέσμευση μνήμης RAM κάθε</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>MB κάθε</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
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
        <extracomment>Beside a bar that shows the processor load.</extracomment>
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
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Προεπιλογή:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>Κατά την αποδέσμευση μνήμης RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Χρώμα κειμένου εικονιδίου</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Εμφάνιση</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
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
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Αποδέσμευση</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
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
        <translation type="vanished">Συντόμευση πληκτρολογίου για αποδέσμευση μνήμης RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Συντόμευση πληκτρολογίου για απενεργοποίηση/ενεργοποίηση του Quenby: Ctrl + Alt +</translation>
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
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Συντόμευση πληκτρολογίου για αποδέσμευση μνήμης RAM: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Συντόμευση πληκτρολογίου για απενεργοποίηση/ενεργοποίηση του Quenby: Ctrl + Alt +</translation>
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
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>Step &amp;down</source>
        <translation>Βήμα προς τα &amp;κάτω</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>Βήμα προς τα &amp;πάνω</translation>
    </message>
    <message>
        <source>&amp;Select All</source>
        <translation>Επιλογή ό&amp;λων</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>True</source>
        <translation>Αληθές</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Ψευδές</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Άνοιγμα της αναδυόμενης λίστας επιλογών του σύνθετου πλαισίου</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ά&amp;νοιγμα</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Αποθήκευση</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Αρχεία</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Εμφάνιση </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>Το «%1» προστατεύεται από εγγραφή.
Θέλετε να διαγραφεί παρ’ όλα αυτά;</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>Είστε βέβαιοι ότι θέλετε να διαγράψετε το «%1»;</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Λίστα θέσεων και σελιδοδεικτών</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Ό&amp;νομα αρχείου:</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Νέος φάκελος</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Γονικός φάκελος</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Νέος φάκελος</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Κατάργηση</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Αναζήτηση σε:</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Δημιουργία νέου φακέλου</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Αρχεία τύπου:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Εύρεση φακέλου</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Εμφάνιση &amp;κρυφών αρχείων</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Αποθήκευση ως</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Δεν βρέθηκε ο φάκελος.
Βεβαιωθείτε ότι δόθηκε το σωστό όνομα φακέλου.</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Πλευρική γραμμή</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Προβολή λίστας</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Επιλογή</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Διαγραφή</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Φάκελοι</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Μετονομασία</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Δεν ήταν δυνατή η διαγραφή του φακέλου.</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Φάκελος:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Το %1 υπάρχει ήδη.
Θέλετε να αντικατασταθεί;</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Εμπρός</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Μετάβαση εμπρός</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Μετάβαση στον γονικό φάκελο</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Πρόσφατες θέσεις</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Μετάβαση πίσω</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Αλλαγή σε προβολή λεπτομερειών</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Δημιουργία νέου φακέλου</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Προβολή λεπτομερειών</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Δεν βρέθηκε το αρχείο.
Βεβαιωθείτε ότι δόθηκε το σωστό όνομα αρχείου.</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Αλλαγή σε προβολή λίστας</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>Είδος</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Όνομα</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Μέγεθος</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Τύπος</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Ο υπολογιστής μου</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Υπολογιστής</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Ημερομηνία τροποποίησης</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Αποκο&amp;πή</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Α&amp;ντιγραφή</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Ακύ&amp;ρωση αναίρεσης</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Επικόλληση</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Εμφάνιση λεπτομερειών...</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Πληροφορίες για το Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Απόκρυψη λεπτομερειών...</translation>
    </message>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Πληροφορίες για το Qt&lt;/h3&gt;&lt;p&gt;Αυτό το πρόγραμμα χρησιμοποιεί την έκδοση %1 του Qt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Το Qt είναι μια εργαλειοθήκη C++ για την ανάπτυξη εφαρμογών για πολλές πλατφόρμες.&lt;/p&gt;&lt;p&gt;Το Qt προσφέρει μεταφερσιμότητα από έναν ενιαίο πηγαίο κώδικα σε όλα τα κύρια λειτουργικά συστήματα επιτραπέζιων υπολογιστών. Διατίθεται επίσης για ενσωματωμένο Linux και άλλα λειτουργικά συστήματα ενσωματωμένων και φορητών συσκευών.&lt;/p&gt;&lt;p&gt;Το Qt διατίθεται με πολλές επιλογές άδειας χρήσης, σχεδιασμένες για να καλύπτουν τις ανάγκες των διαφόρων χρηστών μας.&lt;/p&gt;&lt;p&gt;Το Qt με την εμπορική μας σύμβαση άδειας χρήσης είναι κατάλληλο για την ανάπτυξη ιδιόκτητου/εμπορικού λογισμικού, όταν δεν θέλετε να μοιραστείτε πηγαίο κώδικα με τρίτους ή δεν μπορείτε με άλλον τρόπο να συμμορφωθείτε με τους όρους της GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Το Qt με άδεια GNU (L)GPL είναι κατάλληλο για την ανάπτυξη εφαρμογών&amp;nbsp;Qt, εφόσον μπορείτε να συμμορφωθείτε με τους όρους και τις προϋποθέσεις των αντίστοιχων αδειών.&lt;/p&gt;&lt;p&gt;Για μια επισκόπηση των αδειών χρήσης του Qt, ανατρέξτε στη διεύθυνση &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt;.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd και άλλοι συντελεστές.&lt;/p&gt;&lt;p&gt;Το Qt και το λογότυπο του Qt είναι εμπορικά σήματα της The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Το Qt είναι προϊόν της The Qt Company Ltd που αναπτύσσεται ως έργο ανοιχτού κώδικα. Για περισσότερες πληροφορίες, επισκεφθείτε τη διεύθυνση &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Όχι</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Αποθήκευση</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Ματαίωση</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Εφαρμογή</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Κλείσιμο</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Επαναφορά</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Επαναφορά προεπιλογών</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Άκυρο</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Παράβλεψη</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Ό&amp;χι σε όλα</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Αποθήκευση όλων</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Απόρριψη</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ναι σε ό&amp;λα</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Επανεκκίνηση</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Αναστολή λειτουργίας</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Τερματισμός λειτουργίας</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Απαλοιφή Προχείρου</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Μη αυτόματη αποδέσμευση μνήμης RAM
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Επιλογές...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Απενεργοποίηση βελτιστοποιητή RAM</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Ενεργοποίηση βελτιστοποιητή RAM</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Έξοδος από τον βελτιστοποιητή RAM</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Θέλετε να γίνει επανεκκίνηση του υπολογιστή τώρα;</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Θέλετε να γίνει αναστολή λειτουργίας του υπολογιστή τώρα;</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Θέλετε να γίνει τερματισμός λειτουργίας του υπολογιστή τώρα;</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Επιβεβαίωση</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>Βελτιστοποιητής RAM
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Ελεύθερη μνήμη RAM: %1 MB (%2%)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Χρήση CPU: %1%</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>Η CreateProcess απέτυχε (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>Βελτιστοποιητής RAM</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>Αποδεσμεύτηκαν %1 MB, ελεύθερα τώρα %2 MB</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>Δεν ήταν δυνατή η αποδέσμευση μνήμης RAM</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Δεν ήταν δυνατή η επανεκκίνηση των Windows (σφάλμα %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Δεν ήταν δυνατή η αναστολή λειτουργίας του υπολογιστή (σφάλμα %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Δεν ήταν δυνατός ο τερματισμός λειτουργίας των Windows (σφάλμα %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Η συντόμευση πληκτρολογίου δεν είναι διαθέσιμη</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Δεν ήταν δυνατή η καταχώρηση της συντόμευσης πληκτρολογίου Ctrl+Alt+%1: τη χρησιμοποιεί άλλο πρόγραμμα.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Η συντόμευση πληκτρολογίου Ctrl+Alt+%1 δεν καταχωρήθηκε: στη διάταξη του πληκτρολογίου σας πληκτρολογεί «%2».</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Η συντόμευση πληκτρολογίου Ctrl+Alt+%1 δεν καταχωρήθηκε: η διάταξη του πληκτρολογίου σας δεν έχει τέτοιο πλήκτρο.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Αυτός ο υπολογιστής χρησιμοποιεί τη λειτουργία Modern Standby, την οποία μπορούν να ξεκινήσουν μόνο τα ίδια τα Windows: για αναστολή λειτουργίας του υπολογιστή, πατήστε το κουμπί τροφοδοσίας του ή επιλέξτε Τροφοδοσία &gt; Αναστολή λειτουργίας στο μενού Έναρξη.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Ενδέχεται να μην είναι δυνατή η αναστολή λειτουργίας αυτού του υπολογιστή και τα Windows ενδέχεται να κάνουν αδρανοποίηση του υπολογιστή στη θέση της. Θέλετε να συνεχίσετε;</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Το Quenby εκτελείται ακόμα και δεν ήταν δυνατό να κλείσει.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Το Quenby εκτελείται ακόμα και δεν ήταν δυνατό να κλείσει.

Κλείστε το (μενού του εικονιδίου στην περιοχή ειδοποιήσεων: «Έξοδος από τον βελτιστοποιητή RAM», καθώς και το παράθυρο του πίνακα του Quenby) και, στη συνέχεια, επιλέξτε «Επανάληψη».</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Το Quenby εκτελείται ακόμα. Δεν έγινε καμία αλλαγή.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Το πρόγραμμα εγκατάστασης ή κατάργησης εγκατάστασης του Quenby εκτελείται ήδη.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Κλείσιμο του Quenby, αν εκτελείται...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Πίνακας του Quenby: τιμές μνήμης RAM και CPU και επιλογές</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Μονάδα του Quenby στην περιοχή ειδοποιήσεων</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Εκκίνηση της μονάδας του Quenby στην περιοχή ειδοποιήσεων, η οποία αποδεσμεύει μνήμη RAM</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (απαιτείται)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Εκκίνηση με τα Windows</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Εκ νέου εκκίνηση της μονάδας στην περιοχή ειδοποιήσεων...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Η μονάδα στην περιοχή ειδοποιήσεων, ο πίνακας του Quenby, το πρόγραμμα-πελάτης γραμμής εντολών quenbyctl και οι συντομεύσεις στο μενού «Έναρξη».</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Εκκίνηση της μονάδας στην περιοχή ειδοποιήσεων κατά τη σύνδεσή σας στα Windows.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Άγνωστη τιμή /AUTOSTART=%1: χρησιμοποιήστε /AUTOSTART=1 ή /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Άνοιγμα του πίνακα του Quenby</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Για την εγκατάσταση ή την κατάργηση του Quenby για όλους τους χρήστες αυτού του υπολογιστή απαιτούνται δικαιώματα διαχειριστή. Εκτελέστε το ξανά ως διαχειριστής.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Το Quenby εγκαταστάθηκε για όλους τους χρήστες αυτού του υπολογιστή.

Το πρόγραμμα εγκατάστασης δεν το εκκίνησε. Ανοίξτε το από το μενού «Έναρξη». Αν επιλέχθηκε η «Εκκίνηση με τα Windows», θα εκκινείται για κάθε χρήστη κατά τη σύνδεσή του.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Η προηγούμενη έκδοση εκτελείται ακόμα στην περίοδο λειτουργίας άλλου χρήστη και θα συνεχίσει να εκτελείται εκεί μέχρι να κλείσει. Τα αρχεία της θα διαγραφούν κατά την επανεκκίνηση του υπολογιστή.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>Το %1 χρησιμοποιείται στην περίοδο λειτουργίας άλλου χρήστη και μετονομάστηκε σε %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Ορισμένα αρχεία του Quenby χρησιμοποιούνται στην περίοδο λειτουργίας άλλου χρήστη. Θα διαγραφούν κατά την επανεκκίνηση του υπολογιστή.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 σε Windows 10 και Windows 11</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Στόχος ελεύθερης μνήμης RAM (MB)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Ορίζει τη ρύθμιση «%1» του Quenby.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>τρία τέταρτα της εγκατεστημένης μνήμης RAM σε MB</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Από %1 έως %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>εγκατεστημένη μνήμη RAM σε MB διά %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Χωρίς πολιτική: %1, εκτός αν ο χρήστης επέλεξε διαφορετικά.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Μια πολιτική υπολογιστή υπερισχύει μιας πολιτικής χρήστη και αμφότερες υπερισχύουν της επιλογής του ίδιου του χρήστη, την οποία ο πίνακας του Quenby εμφανίζει τότε ως «Ορίστηκε από τον διαχειριστή σας». Όταν η πολιτική δεν έχει ρυθμιστεί, ισχύει η επιλογή του χρήστη.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Ελάχιστη ελεύθερη μνήμη RAM (MB)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Αποδέσμευση μνήμης RAM κατά την εκκίνηση</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Ενεργοποιημένο: ενεργό (1). Απενεργοποιημένο: ανενεργό (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>Μνήμη RAM προς αποδέσμευση κατά την εκκίνηση (MB)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Καθυστέρηση της αποδέσμευσης κατά την εκκίνηση (δευτερόλεπτα)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>Μνήμη RAM προς περιοδική αποδέσμευση (MB)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>Διάστημα αποδέσμευσης μνήμης RAM (λεπτά, 0 = ποτέ)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Ποσοστό ελεύθερης μνήμης RAM για την περιοδική αποδέσμευση</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Απενεργοποίηση ανίχνευσης χρήσης CPU</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Χρώμα κειμένου εικονιδίου</translation>
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
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Αυτόματο</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Μία από τις τιμές: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Τι δείχνει το εικονίδιο</translation>
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
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Πρώτη ποσότητα αποδέσμευσης στο μενού του εικονιδίου στην περιοχή ειδοποιήσεων (MB)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Δεύτερη ποσότητα αποδέσμευσης στο μενού του εικονιδίου στην περιοχή ειδοποιήσεων (MB)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Τρίτη ποσότητα αποδέσμευσης στο μενού του εικονιδίου στην περιοχή ειδοποιήσεων (MB)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Απαλοιφή και του Προχείρου κατά την αποδέσμευση μνήμης RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Αναπαραγωγή ήχου ειδοποίησης πριν από την αποδέσμευση μνήμης RAM</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Αρχείο ήχου ειδοποίησης</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Πλήρης διαδρομή, έως %1 χαρακτήρες.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Συντόμευση πληκτρολογίου για αποδέσμευση μνήμης RAM (Ctrl + Alt + το πλήκτρο με αυτόν τον κωδικό)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Συντόμευση πληκτρολογίου για απενεργοποίηση/ενεργοποίηση (Ctrl + Alt + το πλήκτρο με αυτόν τον κωδικό)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Εμφάνιση της ποσότητας μνήμης RAM που αποδεσμεύτηκε</translation>
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
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Παύση της αυτόματης αποδέσμευσης όσο εκτελείται ένα από αυτά τα προγράμματα</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Ονόματα αρχείων προγραμμάτων διαχωρισμένα με ερωτηματικό (;), για παράδειγμα game.exe;obs64.exe, έως %1 χαρακτήρες.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Αυτόματη εκκίνηση του Quenby κατά την εκκίνηση των Windows</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Ενεργοποιημένο: η μονάδα του Quenby στην περιοχή ειδοποιήσεων ξεκινά όταν ο χρήστης συνδέεται στα Windows. Απενεργοποιημένο: δεν ξεκινά. Κατά την εκκίνησή της, η μονάδα προσαρμόζει την καταχώρηση εκκίνησης του χρήστη σύμφωνα με την πολιτική.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Ρυθμίσεις του βελτιστοποιητή RAM Quenby</translation>
    </message>
</context>
</TS>
