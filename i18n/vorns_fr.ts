<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="fr">
<context>
    <name>combine_text</name>
    <message numerus="yes">
        <source>combinaison de %n runs : %1</source>
        <translation>
            <numerusform>combinaison de %n run : %1</numerusform>
            <numerusform>combinaison de %n runs : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>combinaison de %n runs : %1 ; %2 événements dans la fenêtre ; %3</source>
        <translation>
            <numerusform>combinaison de %n run : %1 ; %2 événements dans la fenêtre ; %3</numerusform>
            <numerusform>combinaison de %n runs : %1 ; %2 événements dans la fenêtre ; %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>combinaison de %n runs</source>
        <translation>
            <numerusform>combinaison de %n run</numerusform>
            <numerusform>combinaison de %n runs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>load_text</name>
    <message numerus="yes">
        <source>%n lignes</source>
        <translation>
            <numerusform>%n lignes</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n ignorées)</source>
        <comment>the lines, then how many of them were skipped</comment>
        <translation>
            <numerusform>%1 (%n ignorée)</numerusform>
            <numerusform>%1 (%n ignorées)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 : %n lignes ignorées ; la première, ligne %2 : « %3 » n&apos;est pas un enregistrement (%4)</source>
        <translation>
            <numerusform>%1 : %n lignes ignorées ; la première, ligne %2 : « %3 » n&apos;est pas un enregistrement (%4)</numerusform>
            <numerusform>%1 : %n lignes ignorées ; la première, ligne %2 : « %3 » n&apos;est pas un enregistrement (%4)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 : %n lignes ignorées ; la dernière, ligne %2 : « %3 » n&apos;est pas un enregistrement (%4)</source>
        <translation>
            <numerusform>%1 : %n lignes ignorées ; la dernière, ligne %2 : « %3 » n&apos;est pas un enregistrement (%4)</numerusform>
            <numerusform>%1 : %n lignes ignorées ; la dernière, ligne %2 : « %3 » n&apos;est pas un enregistrement (%4)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rate_text</name>
    <message numerus="yes">
        <source>muons à travers le détecteur : %1 /min (%n muons)</source>
        <translation>
            <numerusform>muons à travers le détecteur : %1 /min (%n muon)</numerusform>
            <numerusform>muons à travers le détecteur : %1 /min (%n muons)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n trous de plus de %1, %2 en tout</source>
        <translation>
            <numerusform>%n trou de plus de %1, %2 en tout</numerusform>
            <numerusform>%n trous de plus de %1, %2 en tout</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tranches de %1 (élargies : au plus %2 tranches), %n tranches</source>
        <translation>
            <numerusform>tranches de %1 (élargies : au plus %2 tranches), %n tranche</numerusform>
            <numerusform>tranches de %1 (élargies : au plus %2 tranches), %n tranches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tranches de %1 (largeur donnée), %n tranches</source>
        <translation>
            <numerusform>tranches de %1 (largeur donnée), %n tranche</numerusform>
            <numerusform>tranches de %1 (largeur donnée), %n tranches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>tranches de %1 (environ %2 événements chacune), %n tranches</source>
        <translation>
            <numerusform>tranches de %1 (environ %2 événements chacune), %n tranche</numerusform>
            <numerusform>tranches de %1 (environ %2 événements chacune), %n tranches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>l&apos;heure recule %n fois d&apos;une ligne à la suivante (de %1 au plus) : les événements sont pris dans l&apos;ordre de leurs heures</source>
        <translation>
            <numerusform>l&apos;heure recule %n fois d&apos;une ligne à la suivante (de %1 au plus) : les événements sont pris dans l&apos;ordre de leurs heures</numerusform>
            <numerusform>l&apos;heure recule %n fois d&apos;une ligne à la suivante (de %1 au plus) : les événements sont pris dans l&apos;ordre de leurs heures</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>report</name>
    <message numerus="yes">
        <source>%n enregistrements ; %1</source>
        <translation>
            <numerusform>%n enregistrements ; %1</numerusform>
            <numerusform>%n enregistrements ; %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>run_exclusions</name>
    <message numerus="yes">
        <source>exclu : %1 (%n enregistrements)</source>
        <translation>
            <numerusform>exclu : %1 (%n enregistrement)</numerusform>
            <numerusform>exclu : %1 (%n enregistrements)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vorns_fit</name>
    <message numerus="yes">
        <source>%n enregistrements</source>
        <translation>
            <numerusform>%n enregistrements</numerusform>
            <numerusform>%n enregistrements</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>window_runs</name>
    <message numerus="yes">
        <source>%n lignes ignorées</source>
        <translation>
            <numerusform>%n ligne ignorée</numerusform>
            <numerusform>%n lignes ignorées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>runs non lus : %1</source>
        <translation>
            <numerusform>run non lu : %1</numerusform>
            <numerusform>runs non lus : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>autre unité, non combinés : %1</source>
        <translation>
            <numerusform>autre unité, non combiné : %1</numerusform>
            <numerusform>autre unité, non combinés : %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>même run, non combinés : %1</source>
        <translation>
            <numerusform>même run, non combiné : %1</numerusform>
            <numerusform>même run, non combinés : %1</numerusform>
        </translation>
    </message>
</context>
</TS>
