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
        <translation>Sulje</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sivusto:</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3 (Beta)</source>
        <translation>Versio: %1.%2.%3 (beta)</translation>
    </message>
    <message>
        <source>for Windows %1</source>
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
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>Enable RAM Optimizer</source>
        <translation>Ota RAM-optimointi käyttöön</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Poista käytöstä</translation>
    </message>
    <message>
        <source>Close</source>
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
        <translation>Järjestelmä esti sen käynnistämisen (virhe %1).</translation>
    </message>
    <message>
        <source>The RAM optimizer could not be started from %1.</source>
        <translation>RAM-optimointia ei voitu käynnistää sijainnista %1.</translation>
    </message>
    <message>
        <source>Total RAM: %1MB</source>
        <translation>RAM-muisti yhteensä: %1 Mt</translation>
    </message>
    <message>
        <source>Available RAM: %1MB (%2%)</source>
        <translation>RAM-muistia käytettävissä: %1 Mt (%2 %)</translation>
    </message>
    <message>
        <source>CPU Usages: %1%</source>
        <translation>Suorittimen käyttö: %1 %</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mt</translation>
    </message>
    <message>
        <source>Target free RAM, %1 MB</source>
        <translation>Vapaan RAM-muistin tavoite, %1 Mt</translation>
    </message>
    <message>
        <source>Minimum free RAM, %1 MB</source>
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
        <translation>Ctrl+Alt+%1 ei voi olla pikanäppäin: näppäimistöasettelussasi ei ole näppäintä merkille ”%1”.</translation>
    </message>
    <message>
        <source>Ctrl+Alt+%1 can&apos;t be a hot key: on your keyboard layout it types “%2”, which every program would then lose.</source>
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
        <translation>Vapauta RAM-muistia käynnistyksen jälkeen</translation>
    </message>
    <message>
        <source>MB of RAM on startup after</source>
        <translation>Mt RAM-muistia käynnistyksen jälkeen</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>sekunnin kuluttua</translation>
    </message>
    <message>
        <source>Free-up RAM every</source>
        <translation>Vapauta RAM-muistia</translation>
    </message>
    <message>
        <source>MB every</source>
        <translation>Mt</translation>
    </message>
    <message>
        <source>minutes if free RAM below</source>
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
        <translation>Oletus:</translation>
    </message>
    <message>
        <source>Recovering RAM:</source>
        <translation>RAM-muistia vapautettaessa:</translation>
    </message>
    <message>
        <source>Tray icon text color</source>
        <translation>Ilmaisinalueen kuvakkeen tekstin väri</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Näytä</translation>
    </message>
    <message>
        <source>in tray icon</source>
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
        <translation>Vapauta</translation>
    </message>
    <message>
        <source>MB menu</source>
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
        <translation>Pikanäppäin RAM-muistin vapauttamiseen: Ctrl + Alt +</translation>
    </message>
    <message>
        <source>Disable/enable Quenby hotkey : Cltr + Alt +</source>
        <translation>Pikanäppäin Quenby-ohjelman poistamiseen käytöstä tai ottamiseen käyttöön: Ctrl + Alt +</translation>
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
</TS>
