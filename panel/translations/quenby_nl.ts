<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Versie: %1.%2.%3 (bèta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <translation>voor Windows %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Grafiek van het vrije RAM</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <translation>%1% van het RAM vrij</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Weinig vrij RAM</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Regelmatig</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Opstarten</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Menu in het systeemvak</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Sneltoets</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Verzoek van een ander programma</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Uitgevoerd</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Niet uitgevoerd: de processor was bezet</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Niet uitgevoerd: een andere gebruiker was RAM aan het vrijmaken</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Niet uitgevoerd: er werd een programma op volledig scherm uitgevoerd</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Niet uitgevoerd: er werd een beschermd programma uitgevoerd</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Niet uitgevoerd: gepauzeerd na vrijmaken dat niet hielp</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Niet uitgevoerd: meer dan driekwart van het RAM was vrij</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Nog niets vrijgemaakt.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wanneer</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Gestart door</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Vóór (MB)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Na (MB)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Gebruikt (MB)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Seconden</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Vrij RAM vóór het vrijmaken</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Vrij RAM na het vrijmaken</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>Het RAM dat het vrijmaken even in gebruik nam en weer teruggaf</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>Totaal RAM: n.v.t.</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>Beschikbaar RAM: n.v.t.</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>CPU-gebruik: n.v.t.</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <translation>RAM vrijmaken</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Doel voor vrij RAM:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Minimaal vrij RAM:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>RAM-optimalisatie inschakelen</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>U hebt geen toestemming om dit bestand uit te voeren.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Het bestand is geen programma dat kan worden uitgevoerd.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Er is onvoldoende geheugen om het te starten.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <translation>Het systeem heeft het starten geweigerd (fout %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>De RAM-optimalisatie kan niet worden gestart vanuit %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>Totaal RAM: %1 MB</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>Beschikbaar RAM: %1 MB (%2%)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>CPU-gebruik: %1%</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Doel voor vrij RAM, %1 MB</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <translation>Minimaal vrij RAM, %1 MB</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Doel en minimum voor vrij RAM opslaan</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>De opties openen</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>De RAM-optimalisatie inschakelen</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>De RAM-optimalisatie uitschakelen</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>De RAM-optimalisatie afsluiten</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Info over Quenby</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <translation>Ctrl+Alt+%1 kan geen sneltoets zijn: uw toetsenbordindeling heeft geen toets voor “%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <translation>Ctrl+Alt+%1 kan geen sneltoets zijn: met uw toetsenbordindeling typt deze toets “%2”, dat dan in geen enkel programma meer kan worden getypt.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Quenby automatisch starten wanneer Windows wordt gestart</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <translation>RAM bij het opstarten vrijmaken na</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>MB RAM bij het opstarten na</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>RAM vrijmaken om de</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>MB om de</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <translation>minuten als het vrije RAM lager is dan</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Automatisch vrijmaken pauzeren zolang het niet helpt</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Automatisch vrijmaken pauzeren zolang er een programma op volledig scherm wordt uitgevoerd</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <translation>CPU-gebruik:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Detectie van CPU-gebruik uitschakelen</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Schakel de detectie van CPU-gebruik in om te voorkomen dat Quenby RAM vrijmaakt terwijl de CPU bezet is. Houd er rekening mee dat CPU-koelprogramma&apos;s en enkele andere programma&apos;s een speciale methode gebruiken waardoor het CPU-gebruik altijd op 100% staat. Schakel in dat geval de detectie van CPU-gebruik uit, zodat Quenby RAM kan vrijmaken bij elk CPU-gebruik.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Pictogram in het systeemvak</translation>
    </message>
    <message>
        <source>Default:</source>
        <translation>Standaard:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>Bij het vrijmaken van RAM:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Tekstkleur van het pictogram in het systeemvak</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Weergeven:</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <translation>in het pictogram in het systeemvak</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Weergeven hoeveel RAM er is vrijgemaakt</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Snelmenu</translation>
    </message>
    <message>
        <source>Recover</source>
        <translation>Vrijmaken:</translation>
    </message>
    <message>
        <source>MB menu</source>
        <translation>MB (menuopdracht)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Overige</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Ook het Windows-klembord wissen bij het vrijmaken van RAM</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Een alarmgeluid afspelen voordat RAM wordt vrijgemaakt</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation>Sneltoets om RAM vrij te maken: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Sneltoets om Quenby uit of in te schakelen: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Percentage CPU-gebruik</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Percentage vrij RAM</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Vrij te maken RAM bij het opstarten, in MB</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Wachttijd voor het vrijmaken bij het opstarten, in seconden</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Regelmatig vrij te maken RAM, in MB</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>Interval voor het vrijmaken van RAM, in minuten (0 voor nooit)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Alleen als het vrije RAM lager is dan dit percentage</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>CPU-gebruik</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Wat het pictogram in het systeemvak weergeeft</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Eerste hoeveelheid om vrij te maken in het menu in het systeemvak, in MB</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Tweede hoeveelheid om vrij te maken in het menu in het systeemvak, in MB</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Derde hoeveelheid om vrij te maken in het menu in het systeemvak, in MB</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Bestand met alarmgeluid</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Het bestand met het alarmgeluid kiezen</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Sneltoets om RAM vrij te maken: Ctrl + Alt + deze toets</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Sneltoets om uit of in te schakelen: Ctrl + Alt + deze toets</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Bestanden toevoegen</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Alle bestanden (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Automatisch vrijmaken pauzeren zolang een van deze programma&apos;s wordt uitgevoerd:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Bestandsnamen van programma&apos;s zoals Taakbeheer ze weergeeft, gescheiden door puntkomma&apos;s.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Genegeerd, omdat dit geen bestandsnamen van programma&apos;s zijn: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Ingesteld door uw beheerder</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Uw beheerder heeft ingesteld dat Quenby automatisch wordt gestart voor elke gebruiker van deze pc.</translation>
    </message>
</context>
</TS>
