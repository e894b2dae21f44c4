<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Copyright © Quenby. All rights reserved.</source>
        <translation>Copyright © Quenby. Kaikki oikeudet pidätetään.</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Closes this About box.</extracomment>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sivusto:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <extracomment>%1, %2 and %3: the parts of the version number, as in 1.4.2.</extracomment>
        <translation>Versio: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
        <extracomment>%1: the Windows version the panel runs on, 10 or 11.</extracomment>
        <translation>Windows %1 -käyttöjärjestelmälle</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Usage graph of the free RAM</source>
        <translation>Vapaan RAM-muistin kaavio</translation>
    </message>
    <message>
        <source>%1% of RAM free</source>
        <extracomment>Read by screen readers for the usage graph. %1: the free share of the RAM in percent; the % after it is the percent sign.</extracomment>
        <translation>%1 % RAM-muistista vapaana</translation>
    </message>
</context>
<context>
    <name>HistoryPage</name>
    <message>
        <source>Low free RAM</source>
        <comment>what started a recovery</comment>
        <translation>Vähän vapaata RAM-muistia</translation>
    </message>
    <message>
        <source>Every few minutes</source>
        <comment>what started a recovery: the periodic rule</comment>
        <translation>Muutaman minuutin välein</translation>
    </message>
    <message>
        <source>Startup</source>
        <comment>what started a recovery: the recovery after Quenby starts</comment>
        <translation>Käynnistys</translation>
    </message>
    <message>
        <source>Tray menu</source>
        <comment>what started a recovery</comment>
        <translation>Ilmaisinalueen valikko</translation>
    </message>
    <message>
        <source>Hot key</source>
        <comment>what started a recovery</comment>
        <translation>Pikanäppäin</translation>
    </message>
    <message>
        <source>Request</source>
        <comment>what started a recovery: another program (the command line) asked</comment>
        <translation>Pyyntö</translation>
    </message>
    <message>
        <source>Ran</source>
        <translation>Suoritettu</translation>
    </message>
    <message>
        <source>Did not run: the processor was busy</source>
        <translation>Ei suoritettu: suoritin oli kiireinen</translation>
    </message>
    <message>
        <source>Did not run: another user&apos;s recovery was running</source>
        <translation>Ei suoritettu: toisen käyttäjän vapautus oli käynnissä</translation>
    </message>
    <message>
        <source>Did not run: a full-screen program was running</source>
        <translation>Ei suoritettu: jokin ohjelma oli käynnissä koko näytön tilassa</translation>
    </message>
    <message>
        <source>Did not run: a protected program was running</source>
        <translation>Ei suoritettu: jokin suojattu ohjelma oli käynnissä</translation>
    </message>
    <message>
        <source>Did not run: paused after a recovery that could not help</source>
        <translation>Ei suoritettu: keskeytetty tilapäisesti vapautuksen jälkeen, josta ei ollut apua</translation>
    </message>
    <message>
        <source>Did not run: more than three quarters of the RAM was free</source>
        <translation>Ei suoritettu: yli kolme neljäsosaa RAM-muistista oli vapaana</translation>
    </message>
    <message>
        <source>No recovery yet.</source>
        <translation>Vapautuksia ei ole vielä tehty.</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Started by</source>
        <translation>Käynnistäjä</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Tulos</translation>
    </message>
    <message>
        <source>Before (MB)</source>
        <comment>column: free RAM before the recovery, in megabytes</comment>
        <translation>Ennen (Mt)</translation>
    </message>
    <message>
        <source>After (MB)</source>
        <comment>column: free RAM after the recovery, in megabytes</comment>
        <translation>Jälkeen (Mt)</translation>
    </message>
    <message>
        <source>Used (MB)</source>
        <comment>column: the megabytes the recovery allocated and released</comment>
        <translation>Käytetty (Mt)</translation>
    </message>
    <message>
        <source>Seconds</source>
        <comment>column: how long the recovery took</comment>
        <translation>Sekunnit</translation>
    </message>
    <message>
        <source>Free RAM before the recovery</source>
        <translation>Vapaa RAM-muisti ennen vapautusta</translation>
    </message>
    <message>
        <source>Free RAM after the recovery</source>
        <translation>Vapaa RAM-muisti vapautuksen jälkeen</translation>
    </message>
    <message>
        <source>The RAM the recovery took for a moment and gave back</source>
        <translation>RAM-muisti, jonka vapautus otti hetkeksi käyttöön ja palautti</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Total RAM: n/a</source>
        <translation>RAM-muisti yhteensä: ei tiedossa</translation>
    </message>
    <message>
        <source>Available RAM: n/a</source>
        <translation>RAM-muistia käytettävissä: ei tiedossa</translation>
    </message>
    <message>
        <source>CPU Usage: n/a</source>
        <translation>Suorittimen käyttö: ei tiedossa</translation>
    </message>
    <message>
        <source>Free-up RAM</source>
        <extracomment>The title of the group with the two sliders that set the free-RAM levels.</extracomment>
        <translation>Vapauta RAM-muistia</translation>
    </message>
    <message>
        <source>Target Free RAM:</source>
        <translation>Vapaan RAM-muistin tavoite:</translation>
    </message>
    <message>
        <source>Minimum Free RAM:</source>
        <translation>Vapaan RAM-muistin vähimmäismäärä:</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Stores the two free-RAM levels set with the sliders.</extracomment>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Ota RAM-optimointi käyttöön</translation>
    </message>
    <message>
        <source>Disable</source>
        <extracomment>Switches the automatic recovery off; the button then reads “Enable RAM Optimizer”.</extracomment>
        <translation>Poista käytöstä</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>Ends the tray engine (the RAM optimizer itself), not only this window.</extracomment>
        <translation>Lopeta</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Tiedostoa ei ole olemassa.</translation>
    </message>
    <message>
        <source>You are not allowed to run this file.</source>
        <translation>Sinulla ei ole oikeutta suorittaa tätä tiedostoa.</translation>
    </message>
    <message>
        <source>The file is not a program that can be run.</source>
        <translation>Tiedosto ei ole suoritettava ohjelma.</translation>
    </message>
    <message>
        <source>There is not enough memory to start it.</source>
        <translation>Muisti ei riitä sen käynnistämiseen.</translation>
    </message>
    <message>
        <source>The system refused to start it (error %1).</source>
        <extracomment>Why the tray engine could not be started. %1: Windows&apos; error number.</extracomment>
        <translation>Järjestelmä esti sen käynnistämisen (virhe %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <extracomment>%1: the full path of the tray engine&apos;s program file; a sentence saying why follows on the next line.</extracomment>
        <translation>RAM-optimointia ei voitu käynnistää sijainnista %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <extracomment>%1: megabytes of RAM installed, a whole number.</extracomment>
        <translation>RAM-muisti yhteensä: %1 Mt</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <extracomment>%1: megabytes of RAM available now; %2: that as a share of all RAM, in percent (the % after it is the percent sign).</extracomment>
        <translation>RAM-muistia käytettävissä: %1 Mt (%2 %)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <extracomment>%1: the processor load of the last second in percent; the % after it is the percent sign.</extracomment>
        <translation>Suorittimen käyttö: %1 %</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>%1: megabytes, the value the slider beside it is set to.</extracomment>
        <translation>%1 Mt</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Vapaan RAM-muistin tavoite, %1 Mt</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
        <extracomment>Read by screen readers for the slider. %1: the megabytes it is set to.</extracomment>
        <translation>Vapaan RAM-muistin vähimmäismäärä, %1 Mt</translation>
    </message>
    <message>
        <source>Save the target and minimum free RAM</source>
        <translation>Tallenna vapaan RAM-muistin tavoite ja vähimmäismäärä</translation>
    </message>
    <message>
        <source>Open the options</source>
        <translation>Avaa asetukset</translation>
    </message>
    <message>
        <source>Enable the RAM optimizer</source>
        <translation>Ota RAM-optimointi käyttöön</translation>
    </message>
    <message>
        <source>Disable the RAM optimizer</source>
        <translation>Poista RAM-optimointi käytöstä</translation>
    </message>
    <message>
        <source>Close the RAM optimizer</source>
        <translation>Lopeta RAM-optimointi</translation>
    </message>
    <message>
        <source>About Quenby</source>
        <translation>Tietoja Quenby-ohjelmasta</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: your keyboard layout has no key for “%1”.</source>
        <extracomment>%1: the character the user typed as the hot key, such as K.</extracomment>
        <translation>Ctrl+Alt+%1 ei voi olla pikanäppäin: näppäimistöasettelussasi ei ole näppäintä merkille ”%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
        <extracomment>%1: the character the user typed as the hot key; %2: the character that key combination types on the user&apos;s keyboard layout (as AltGr would).</extracomment>
        <translation>Ctrl+Alt+%1 ei voi olla pikanäppäin: näppäimistöasettelussasi se kirjoittaa merkin ”%2”, jota ei sen jälkeen voisi kirjoittaa missään ohjelmassa.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Yleiset</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Käynnistä Quenby automaattisesti, kun Windows käynnistyy</translation>
    </message>
    <message>
        <source>Free-up RAM on startup after</source>
        <extracomment>Start of a sentence the dialog puts together: this check box, a number of seconds, then “seconds”: “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>Vapauta RAM-muistia käynnistyksen jälkeen</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <extracomment>A hidden part of the start-up sentence, after a number of megabytes.</extracomment>
        <translation>Mt RAM-muistia käynnistyksen jälkeen</translation>
    </message>
    <message>
        <source>seconds</source>
        <extracomment>End of the sentence “Free-up RAM on startup after [60] seconds”.</extracomment>
        <translation>sekunnin kuluttua</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <extracomment>Start of a sentence the dialog puts together: “Free-up RAM every [4] minutes if free RAM below [50] %”.</extracomment>
        <translation>Vapauta RAM-muistia</translation>
    </message>
    <message>
        <source>MB every</source>
        <extracomment>A hidden part of the periodic sentence, after a number of megabytes.</extracomment>
        <translation>Mt</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
        <extracomment>Middle of the sentence “Free-up RAM every [4] minutes if free RAM below [50] %”: between two numbers.</extracomment>
        <translation>minuutin välein, jos vapaata RAM-muistia on alle</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Keskeytä automaattinen vapautus tilapäisesti, kun siitä ei ole apua</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Keskeytä automaattinen vapautus tilapäisesti, kun jokin ohjelma on käynnissä koko näytön tilassa</translation>
    </message>
    <message>
        <source>CPU usage:</source>
        <extracomment>Beside a bar that shows the processor load.</extracomment>
        <translation>Suorittimen käyttö:</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Poista suorittimen käytön tunnistus käytöstä</translation>
    </message>
    <message>
        <source>Enable the CPU usage detection to prevent Quenby recovering RAM when your CPU is busy. Please note that CPU cooling and few other programs use special method that cause the CPU usage always stay at 100% level. When you have this kind of situation, disable the CPU usage detection to allow Quenby recovering RAM at any CPU usage level.</source>
        <translation>Ota suorittimen käytön tunnistus käyttöön, jotta Quenby ei vapauta RAM-muistia silloin, kun suoritin on kiireinen. Huomaa, että suorittimen jäähdytysohjelmat ja jotkin muut ohjelmat käyttävät erityistä menetelmää, jonka vuoksi suorittimen käyttö on aina 100 %. Jos näin on, poista suorittimen käytön tunnistus käytöstä, jotta Quenby voi vapauttaa RAM-muistia suorittimen käytöstä riippumatta.</translation>
    </message>
    <message>
        <source>Tray Icon</source>
        <translation>Ilmaisinalueen kuvake</translation>
    </message>
    <message>
        <source>Default:</source>
        <extracomment>Beside the picture of the tray icon as it normally looks.</extracomment>
        <translation>Oletus:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <extracomment>Beside the picture of the tray icon while it recovers RAM.</extracomment>
        <translation>RAM-muistia vapautettaessa:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Ilmaisinalueen kuvakkeen tekstin väri</translation>
    </message>
    <message>
        <source>Display</source>
        <extracomment>Start of “Display [Percentage of Free RAM] in tray icon”: a list to choose from follows.</extracomment>
        <translation>Näytä</translation>
    </message>
    <message>
        <source>in tray icon</source>
        <extracomment>End of “Display [Percentage of Free RAM] in tray icon”.</extracomment>
        <translation>ilmaisinalueen kuvakkeessa</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Näytä, kuinka paljon RAM-muistia vapautettiin</translation>
    </message>
    <message>
        <source>Popup Menu</source>
        <translation>Pikavalikko</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Start of “Recover [512] MB menu”: sets the amount of one entry of the tray icon&apos;s menu.</extracomment>
        <translation>Vapauta</translation>
    </message>
    <message>
        <source>MB menu</source>
        <extracomment>End of “Recover [512] MB menu”.</extracomment>
        <translation>Mt (valikon kohde)</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Muut</translation>
    </message>
    <message>
        <source>Also clear Windows Clipboard when freeing up RAM</source>
        <translation>Tyhjennä myös Windows-leikepöytä, kun RAM-muistia vapautetaan</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Toista hälytysääni ennen RAM-muistin vapauttamista</translation>
    </message>
    <message>
        <source>Free up RAM hot key : Cltr + Alt +</source>
        <translation type="vanished">Pikanäppäin RAM-muistin vapauttamiseen: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation type="vanished">Pikanäppäin Quenby-ohjelman poistamiseen käytöstä tai ottamiseen käyttöön: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peruuta</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Musta</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Valkoinen</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automaattinen</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Suorittimen käyttö prosentteina</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Vapaa RAM-muisti prosentteina</translation>
    </message>
    <message>
        <source>RAM to free on startup, in MB</source>
        <translation>Käynnistyksen jälkeen vapautettava RAM-muisti, Mt</translation>
    </message>
    <message>
        <source>Delay of the startup recovery, in seconds</source>
        <translation>Viive ennen käynnistyksen jälkeistä vapautusta, sekunteina</translation>
    </message>
    <message>
        <source>RAM to free periodically, in MB</source>
        <translation>Säännöllisesti vapautettava RAM-muisti, Mt</translation>
    </message>
    <message>
        <source>Free-up RAM every, in minutes (0 for never)</source>
        <translation>RAM-muistin vapautusväli minuutteina (0 = ei koskaan)</translation>
    </message>
    <message>
        <source>Only if free RAM is below, in percent</source>
        <translation>Vain jos vapaata RAM-muistia on alle tämän prosenttimäärän</translation>
    </message>
    <message>
        <source>CPU usage</source>
        <translation>Suorittimen käyttö</translation>
    </message>
    <message>
        <source>What the tray icon shows</source>
        <translation>Mitä ilmaisinalueen kuvake näyttää</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu, in MB</source>
        <translation>Ilmaisinalueen valikon ensimmäinen vapautettava määrä, Mt</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu, in MB</source>
        <translation>Ilmaisinalueen valikon toinen vapautettava määrä, Mt</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu, in MB</source>
        <translation>Ilmaisinalueen valikon kolmas vapautettava määrä, Mt</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Hälytysäänen tiedosto</translation>
    </message>
    <message>
        <source>Choose the alarm sound file</source>
        <translation>Valitse hälytysäänen tiedosto</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt + this key</source>
        <translation>Pikanäppäin RAM-muistin vapauttamiseen: Ctrl + Alt + tämä näppäin</translation>
    </message>
    <message>
        <source>Disable/enable hot key: Ctrl + Alt + this key</source>
        <translation>Pikanäppäin käytöstä poistamiseen tai käyttöön ottamiseen: Ctrl + Alt + tämä näppäin</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Lisää tiedostoja</translation>
    </message>
    <message>
        <source>All Files (*.wav)</source>
        <translation>Kaikki tiedostot (*.wav)</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs:</source>
        <translation>Keskeytä automaattinen vapautus tilapäisesti, kun jokin näistä ohjelmista on käynnissä:</translation>
    </message>
    <message>
        <source>game.exe;obs64.exe</source>
        <extracomment>An example of the list: two program file names separated by a semicolon. Keep the names as they are.</extracomment>
        <translation>game.exe;obs64.exe</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Program file names as Task Manager shows them, separated by semicolons.</source>
        <translation>Ohjelmien tiedostonimet sellaisina kuin Tehtävienhallinta näyttää ne, puolipisteillä erotettuina.</translation>
    </message>
    <message>
        <source>Ignored, as they are not program file names: %1</source>
        <comment>followed by the names</comment>
        <translation>Ohitettu, koska nämä eivät ole ohjelmien tiedostonimiä: %1</translation>
    </message>
    <message>
        <source>Free up RAM hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key frees up RAM in every program.</extracomment>
        <translation>Pikanäppäin RAM-muistin vapauttamiseen: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hot key: Ctrl + Alt +</source>
        <extracomment>A field for one key follows: Ctrl + Alt + that key switches the automatic recovery off and on.</extracomment>
        <translation>Pikanäppäin Quenby-ohjelman poistamiseen käytöstä tai ottamiseen käyttöön: Ctrl + Alt +</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Set by your administrator</source>
        <translation>Järjestelmänvalvojasi määrittämä</translation>
    </message>
    <message>
        <source>Your administrator set Quenby to start automatically for every user of this PC.</source>
        <translation>Järjestelmänvalvojasi on määrittänyt Quenby-ohjelman käynnistymään automaattisesti tämän tietokoneen kaikille käyttäjille.</translation>
    </message>
</context>
<context>
    <name>Quenbytray</name>
    <message>
        <source>Restart Windows</source>
        <comment>104</comment>
        <translation>Käynnistä Windows uudelleen</translation>
    </message>
    <message>
        <source>Suspend Windows</source>
        <comment>105</comment>
        <translation>Lepotila</translation>
    </message>
    <message>
        <source>Shutdown Windows</source>
        <comment>106</comment>
        <translation>Sammuta Windows</translation>
    </message>
    <message>
        <source>Clear Clipboard</source>
        <comment>107</comment>
        <translation>Tyhjennä leikepöytä</translation>
    </message>
    <message>
        <source>Free-up RAM Manually
</source>
        <comment>108</comment>
        <extracomment>A menu item that frees up RAM now; the line end stays.</extracomment>
        <translation>Vapauta RAM-muistia manuaalisesti
</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <comment>110</comment>
        <translation>Asetukset...</translation>
    </message>
    <message>
        <source>Disable RAM Optimizer</source>
        <comment>111</comment>
        <translation>Poista RAM-optimointi käytöstä</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <comment>112</comment>
        <translation>Ota RAM-optimointi käyttöön</translation>
    </message>
    <message>
        <source>Close RAM Optimizer</source>
        <comment>113</comment>
        <extracomment>Ends the tray engine: its icon and the automatic recovery go away.</extracomment>
        <translation>Lopeta RAM-optimointi</translation>
    </message>
    <message>
        <source>Do you want to restart your computer now?</source>
        <comment>114</comment>
        <translation>Haluatko käynnistää tietokoneen uudelleen nyt?</translation>
    </message>
    <message>
        <source>Do you want to suspend your computer now?</source>
        <comment>115</comment>
        <translation>Haluatko siirtää tietokoneen lepotilaan nyt?</translation>
    </message>
    <message>
        <source>Do you want to shutdown your computer now?</source>
        <comment>116</comment>
        <translation>Haluatko sammuttaa tietokoneen nyt?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <comment>117</comment>
        <extracomment>The title of the box that asks before a restart, a sleep or a shutdown.</extracomment>
        <translation>Vahvista</translation>
    </message>
    <message>
        <source>RAM Optimizer
</source>
        <comment>118</comment>
        <extracomment>The first line of the tray icon&apos;s tooltip; the line end stays.</extracomment>
        <translation>RAM-optimointi
</translation>
    </message>
    <message>
        <source>Free RAM: %1 MB (%2%)
</source>
        <comment>119</comment>
        <extracomment>The second line of the tooltip. %1: megabytes of free RAM; %2: that as a share of all RAM in percent, the % after it being the percent sign. The line end stays.</extracomment>
        <translation>Vapaa RAM-muisti: %1 Mt (%2 %)
</translation>
    </message>
    <message>
        <source>CPU Usage: %1%</source>
        <comment>121</comment>
        <extracomment>The third line of the tooltip. %1: the processor load in percent; the % after it is the percent sign.</extracomment>
        <translation>Suorittimen käyttö: %1 %</translation>
    </message>
    <message>
        <source>CreateProcess failed (%1).</source>
        <comment>122</comment>
        <extracomment>%1: Windows&apos; error number when the control panel could not be started.</extracomment>
        <translation>CreateProcess epäonnistui (%1).</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>123</comment>
        <extracomment>The title of a box that says something failed.</extracomment>
        <translation>Virhe</translation>
    </message>
    <message>
        <source>RAM Optimizer</source>
        <comment>124</comment>
        <extracomment>The title of the notices the tray icon shows.</extracomment>
        <translation>RAM-optimointi</translation>
    </message>
    <message>
        <source>Recovered %1 MB, %2 MB free now</source>
        <comment>125</comment>
        <extracomment>A notice after a recovery. %1: the megabytes recovered; %2: the megabytes free now.</extracomment>
        <translation>%1 Mt vapautettu, nyt vapaana %2 Mt</translation>
    </message>
    <message>
        <source>No RAM could be recovered</source>
        <comment>126</comment>
        <translation>RAM-muistia ei voitu vapauttaa</translation>
    </message>
    <message>
        <source>Windows could not be restarted (error %1). %2</source>
        <comment>127</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows-käyttöjärjestelmää ei voitu käynnistää uudelleen (virhe %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be suspended (error %1). %2</source>
        <comment>128</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Tietokonetta ei voitu siirtää lepotilaan (virhe %1). %2</translation>
    </message>
    <message>
        <source>Windows could not be shut down (error %1). %2</source>
        <comment>129</comment>
        <extracomment>%1: Windows&apos; error number; %2: Windows&apos; own description of the error, a sentence or empty.</extracomment>
        <translation>Windows-käyttöjärjestelmää ei voitu sammuttaa (virhe %1). %2</translation>
    </message>
    <message>
        <source>Hot key not available</source>
        <comment>132</comment>
        <translation>Pikanäppäin ei ole käytettävissä</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 could not be registered: another program uses it.</source>
        <comment>133</comment>
        <extracomment>%1: the character of the hot key, such as K.</extracomment>
        <translation>Pikanäppäintä Ctrl+Alt+%1 ei voitu rekisteröidä: toinen ohjelma käyttää sitä.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: on your keyboard layout it types “%2”.</source>
        <comment>134</comment>
        <extracomment>%1: the character of the hot key; %2: the character the key combination types on the user&apos;s keyboard layout.</extracomment>
        <translation>Pikanäppäintä Ctrl+Alt+%1 ei rekisteröity: näppäimistöasettelussasi se kirjoittaa merkin ”%2”.</translation>
    </message>
    <message>
        <source>The hot key Ctrl+Alt+%1 was not registered: your keyboard layout has no such key.</source>
        <comment>135</comment>
        <extracomment>%1: the character of the hot key.</extracomment>
        <translation>Pikanäppäintä Ctrl+Alt+%1 ei rekisteröity: näppäimistöasettelussasi ei ole tällaista näppäintä.</translation>
    </message>
    <message>
        <source>This computer uses Modern Standby, which only Windows itself can start: to let it sleep, press its power button or choose Power &gt; Sleep in the Start menu.</source>
        <comment>137</comment>
        <translation>Tämä tietokone käyttää Modern Standby -tilaa, jonka vain Windows itse voi käynnistää: siirrä tietokone lepotilaan painamalla sen virtapainiketta tai valitsemalla Käynnistä-valikosta Virta &gt; Lepotila.</translation>
    </message>
    <message>
        <source>This computer may not be able to sleep, and Windows may hibernate it instead. Do you want to go on?</source>
        <comment>138</comment>
        <translation>Tätä tietokonetta ei ehkä voi siirtää lepotilaan, ja Windows voi siirtää sen lepotilan sijaan horrostilaan. Haluatko jatkaa?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Quenby is still running and could not be closed.</source>
        <comment>STILL_RUNNING_DETAIL</comment>
        <translation>Quenby on yhä käynnissä, eikä sitä voitu lopettaa.</translation>
    </message>
    <message>
        <source>Quenby is still running and could not be closed.

Close it (tray menu: Close RAM Optimizer; and the control panel&apos;s window), then choose Retry.</source>
        <comment>STILL_RUNNING_BOX</comment>
        <translation>Quenby on yhä käynnissä, eikä sitä voitu lopettaa.

Lopeta se (ilmaisinalueen valikosta: Lopeta RAM-optimointi) ja sulje hallintapaneelin ikkuna. Valitse sitten Yritä uudelleen.</translation>
    </message>
    <message>
        <source>Quenby is still running; nothing was changed.</source>
        <comment>STILL_RUNNING_ABORT</comment>
        <translation>Quenby on yhä käynnissä. Mitään ei muutettu.</translation>
    </message>
    <message>
        <source>Quenby&apos;s setup or uninstaller is already running.</source>
        <comment>ALREADY_RUNNING</comment>
        <translation>Quenby-ohjelman asennus tai asennuksen poisto on jo käynnissä.</translation>
    </message>
    <message>
        <source>Closing Quenby if it runs...</source>
        <comment>CLOSING</comment>
        <translation>Lopetetaan Quenby, jos se on käynnissä...</translation>
    </message>
    <message>
        <source>Quenby control panel: RAM and CPU figures and the options</source>
        <comment>PANEL_LINK_DESCRIPTION</comment>
        <translation>Quenby-hallintapaneeli: RAM-muistin ja suorittimen lukemat sekä asetukset</translation>
    </message>
    <message>
        <source>Quenby tray engine</source>
        <comment>ENGINE_LINK_NAME</comment>
        <extracomment>The name of the Start-menu shortcut to the tray engine.</extracomment>
        <translation>Quenby ilmaisinalueella</translation>
    </message>
    <message>
        <source>Start Quenby&apos;s tray engine, which recovers RAM</source>
        <comment>ENGINE_LINK_DESCRIPTION</comment>
        <translation>Käynnistä Quenby-ohjelma ilmaisinalueelle vapauttamaan RAM-muistia</translation>
    </message>
    <message>
        <source>Quenby (required)</source>
        <comment>SECTION_PROGRAM</comment>
        <translation>Quenby (pakollinen)</translation>
    </message>
    <message>
        <source>Start with Windows</source>
        <comment>SECTION_AUTOSTART</comment>
        <translation>Käynnistä, kun Windows käynnistyy</translation>
    </message>
    <message>
        <source>Starting the tray engine again...</source>
        <comment>RESTARTING_ENGINE</comment>
        <translation>Käynnistetään ilmaisinalueen ohjelma uudelleen...</translation>
    </message>
    <message>
        <source>The tray engine, the control panel, the command-line client quenbyctl and Start-menu shortcuts.</source>
        <comment>SECTION_PROGRAM_DESCRIPTION</comment>
        <translation>Ilmaisinalueen ohjelma, hallintapaneeli, komentoriviasiakas quenbyctl ja Käynnistä-valikon pikakuvakkeet.</translation>
    </message>
    <message>
        <source>Start the tray engine when you sign in to Windows.</source>
        <comment>SECTION_AUTOSTART_DESCRIPTION</comment>
        <translation>Käynnistä ilmaisinalueen ohjelma, kun kirjaudut sisään Windowsiin.</translation>
    </message>
    <message>
        <source>Unknown value /AUTOSTART=%1: use /AUTOSTART=1 or /AUTOSTART=0.</source>
        <comment>BAD_AUTOSTART</comment>
        <extracomment>$1 (%1 for translators): the value given after /AUTOSTART= on the command line.</extracomment>
        <translation>Tuntematon arvo /AUTOSTART=%1: käytä arvoa /AUTOSTART=1 tai /AUTOSTART=0.</translation>
    </message>
    <message>
        <source>Open the Quenby control panel</source>
        <comment>FINISH_RUN</comment>
        <translation>Avaa Quenby-hallintapaneeli</translation>
    </message>
    <message>
        <source>Installing or removing Quenby for all users of this computer needs administrator rights. Run it again as an administrator.</source>
        <comment>NEEDS_ADMINISTRATOR</comment>
        <translation>Quenby-ohjelman asentaminen tai poistaminen kaikille tämän tietokoneen käyttäjille edellyttää järjestelmänvalvojan oikeuksia. Suorita ohjelma uudelleen järjestelmänvalvojana.</translation>
    </message>
    <message>
        <source>Quenby has been installed for all users of this computer.

Setup did not start it. Open it from the Start menu. If Start with Windows was selected, it starts for each user when they sign in.</source>
        <comment>FINISH_MACHINE_TEXT</comment>
        <translation>Quenby on asennettu kaikille tämän tietokoneen käyttäjille.

Asennusohjelma ei käynnistänyt sitä. Avaa se Käynnistä-valikosta. Jos ”Käynnistä, kun Windows käynnistyy” valittiin, se käynnistyy kullekin käyttäjälle tämän kirjautuessa sisään.</translation>
    </message>
    <message>
        <source>The previous version is still running in another user&apos;s session and keeps running there until it is closed. Its files are removed when you restart the computer.</source>
        <comment>FINISH_SET_ASIDE</comment>
        <translation>Edellinen versio on yhä käynnissä toisen käyttäjän istunnossa ja pysyy käynnissä siellä, kunnes se lopetetaan. Sen tiedostot poistetaan, kun käynnistät tietokoneen uudelleen.</translation>
    </message>
    <message>
        <source>%1 is in use in another user&apos;s session and was renamed to %2.</source>
        <comment>SET_ASIDE_DETAIL</comment>
        <extracomment>%1: the full path of a file of the previous version; %2: the name it was renamed to.</extracomment>
        <translation>%1 on käytössä toisen käyttäjän istunnossa, ja sen nimeksi muutettiin %2.</translation>
    </message>
    <message>
        <source>Some of Quenby&apos;s files are in use in another user&apos;s session. They will be removed when you restart the computer.</source>
        <comment>UNINSTALL_IN_USE</comment>
        <translation>Osa Quenby-ohjelman tiedostoista on käytössä toisen käyttäjän istunnossa. Ne poistetaan, kun käynnistät tietokoneen uudelleen.</translation>
    </message>
</context>
<context>
    <name>Policies</name>
    <message>
        <source>Quenby %1 on Windows 10 and Windows 11</source>
        <extracomment>%1: Quenby&apos;s version number, as in 1.4.2.</extracomment>
        <translation>Quenby %1 Windows 10:ssä ja Windows 11:ssä</translation>
    </message>
    <message>
        <source>Target free RAM (MB)</source>
        <translation>Vapaan RAM-muistin tavoite (Mt)</translation>
    </message>
    <message>
        <source>Sets &quot;%1&quot; of Quenby.</source>
        <extracomment>%1: the policy&apos;s name, as the line above the explanation shows it.</extracomment>
        <translation>Määrittää Quenby-ohjelman asetuksen ”%1”.</translation>
    </message>
    <message>
        <source>three quarters of the installed RAM in MB</source>
        <translation>kolme neljäsosaa asennetusta RAM-muistista Mt:nä</translation>
    </message>
    <message>
        <source>From %1 to %2.</source>
        <extracomment>The range a policy accepts. %1 and %2: numbers, or texts such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Vähintään %1 ja enintään %2.</translation>
    </message>
    <message>
        <source>the installed RAM in MB divided by %1</source>
        <extracomment>A bound of a range, or a default. %1: a number such as 4.</extracomment>
        <translation>asennettu RAM-muisti Mt:nä jaettuna luvulla %1</translation>
    </message>
    <message>
        <source>Without a policy: %1, unless the user chose otherwise.</source>
        <extracomment>%1: the default value, a number or a text such as “the installed RAM in MB divided by 4”.</extracomment>
        <translation>Ilman käytäntöä: %1, ellei käyttäjä ole valinnut toisin.</translation>
    </message>
    <message>
        <source>A computer policy wins over a user policy, and both over the user&apos;s own choice, which the control panel then shows as &quot;Set by your administrator&quot;. When the policy is not configured, the user&apos;s own choice applies.</source>
        <translation>Tietokonekäytäntö ohittaa käyttäjäkäytännön, ja molemmat ohittavat käyttäjän oman valinnan, jonka hallintapaneeli silloin näyttää muodossa ”Järjestelmänvalvojasi määrittämä”. Kun käytäntöä ei ole määritetty, käytetään käyttäjän omaa valintaa.</translation>
    </message>
    <message>
        <source>Minimum free RAM (MB)</source>
        <translation>Vapaan RAM-muistin vähimmäismäärä (Mt)</translation>
    </message>
    <message>
        <source>Free up RAM on startup</source>
        <translation>Vapauta RAM-muistia käynnistyksen jälkeen</translation>
    </message>
    <message>
        <source>Enabled: on (1). Disabled: off (0).</source>
        <translation>Käytössä: päällä (1). Ei käytössä: pois (0).</translation>
    </message>
    <message>
        <source>RAM to free on startup (MB)</source>
        <translation>Käynnistyksen jälkeen vapautettava RAM-muisti (Mt)</translation>
    </message>
    <message>
        <source>Delay of the startup recovery (seconds)</source>
        <translation>Viive ennen käynnistyksen jälkeistä vapautusta (sekuntia)</translation>
    </message>
    <message>
        <source>RAM to free periodically (MB)</source>
        <translation>Säännöllisesti vapautettava RAM-muisti (Mt)</translation>
    </message>
    <message>
        <source>Free up RAM every (minutes, 0 for never)</source>
        <translation>RAM-muistin vapautusväli (minuuttia, 0 = ei koskaan)</translation>
    </message>
    <message>
        <source>Free RAM percentage shown with the periodic recovery</source>
        <translation>Vapaan RAM-muistin prosenttiraja säännölliselle vapautukselle</translation>
    </message>
    <message>
        <source>Disable CPU usage detection</source>
        <translation>Poista suorittimen käytön tunnistus käytöstä</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Ilmaisinalueen kuvakkeen tekstin väri</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Musta</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Valkoinen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the entries of a list: %1 is the list so far, %2 the next entry. Use the language&apos;s list separator.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automaattinen</translation>
    </message>
    <message>
        <source>One of: %1.</source>
        <extracomment>%1: the values a policy accepts, each its number and its name, as in “0 Black, 1 White, 2 Auto”.</extracomment>
        <translation>Jokin seuraavista: %1.</translation>
    </message>
    <message>
        <source>Tray icon shows</source>
        <translation>Ilmaisinalueen kuvake näyttää</translation>
    </message>
    <message>
        <source>Percentage of CPU Usage</source>
        <translation>Suorittimen käyttö prosentteina</translation>
    </message>
    <message>
        <source>Percentage of Free RAM</source>
        <translation>Vapaa RAM-muisti prosentteina</translation>
    </message>
    <message>
        <source>First recovery amount of the tray menu (MB)</source>
        <translation>Ilmaisinalueen valikon ensimmäinen vapautettava määrä (Mt)</translation>
    </message>
    <message>
        <source>Second recovery amount of the tray menu (MB)</source>
        <translation>Ilmaisinalueen valikon toinen vapautettava määrä (Mt)</translation>
    </message>
    <message>
        <source>Third recovery amount of the tray menu (MB)</source>
        <translation>Ilmaisinalueen valikon kolmas vapautettava määrä (Mt)</translation>
    </message>
    <message>
        <source>Also clear the clipboard when freeing up RAM</source>
        <translation>Tyhjennä myös leikepöytä, kun RAM-muistia vapautetaan</translation>
    </message>
    <message>
        <source>Play alarm sound before freeing up RAM</source>
        <translation>Toista hälytysääni ennen RAM-muistin vapauttamista</translation>
    </message>
    <message>
        <source>Alarm sound file</source>
        <translation>Hälytysäänen tiedosto</translation>
    </message>
    <message>
        <source>A full path, at most %1 characters.</source>
        <extracomment>%1: a number of characters, such as 259.</extracomment>
        <translation>Täydellinen polku, enintään %1 merkkiä.</translation>
    </message>
    <message>
        <source>Free up RAM hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Pikanäppäin RAM-muistin vapauttamiseen (Ctrl + Alt + tämän koodin näppäin)</translation>
    </message>
    <message>
        <source>Disable/enable hot key (Ctrl + Alt + the key of this code)</source>
        <translation>Pikanäppäin käytöstä poistamiseen tai käyttöön ottamiseen (Ctrl + Alt + tämän koodin näppäin)</translation>
    </message>
    <message>
        <source>Show how much RAM was recovered</source>
        <translation>Näytä, kuinka paljon RAM-muistia vapautettiin</translation>
    </message>
    <message>
        <source>Pause automatic recovery while it cannot help</source>
        <translation>Keskeytä automaattinen vapautus tilapäisesti, kun siitä ei ole apua</translation>
    </message>
    <message>
        <source>Pause automatic recovery while a full-screen program runs</source>
        <translation>Keskeytä automaattinen vapautus tilapäisesti, kun jokin ohjelma on käynnissä koko näytön tilassa</translation>
    </message>
    <message>
        <source>Pause automatic recovery while one of these programs runs</source>
        <translation>Keskeytä automaattinen vapautus tilapäisesti, kun jokin näistä ohjelmista on käynnissä</translation>
    </message>
    <message>
        <source>Program file names separated by semicolons, such as game.exe;obs64.exe, at most %1 characters.</source>
        <extracomment>Keep the example file names as they are. %1: a number of characters, such as 1023.</extracomment>
        <translation>Ohjelmien tiedostonimet puolipisteillä erotettuina, esimerkiksi game.exe;obs64.exe, enintään %1 merkkiä.</translation>
    </message>
    <message>
        <source>Start Quenby automatically at Windows startup</source>
        <translation>Käynnistä Quenby automaattisesti, kun Windows käynnistyy</translation>
    </message>
    <message>
        <source>Enabled: the tray engine starts when the user signs in to Windows. Disabled: it does not. The engine brings the user&apos;s start-up entry in line when it starts.</source>
        <translation>Käytössä: ilmaisinalueen ohjelma käynnistyy, kun käyttäjä kirjautuu sisään Windows-käyttöjärjestelmään. Ei käytössä: se ei käynnisty. Käynnistyessään ohjelma päivittää käyttäjän käynnistysmerkinnän vastaamaan käytäntöä.</translation>
    </message>
    <message>
        <source>Settings of the Quenby RAM optimizer</source>
        <translation>Quenby-ohjelman RAM-optimoinnin asetukset</translation>
    </message>
</context>
</TS>
