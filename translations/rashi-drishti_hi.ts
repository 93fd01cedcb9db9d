<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
</context>
<context>
    <name>RenderViewContextMenuQt</name>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>फिर से लोड करें</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>काटें</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>कॉपी करें</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>चिपकाएँ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>पूर्ववत करें</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>फिर से करें</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>सब चुनें</translation>
    </message>
    <message>
        <source>Paste and match style</source>
        <translation>उसी शैली में चिपकाएँ</translation>
    </message>
    <message>
        <source>Open link in new window</source>
        <translation>लिंक नई विंडो में खोलें</translation>
    </message>
    <message>
        <source>Open link in new tab</source>
        <translation>लिंक नए टैब में खोलें</translation>
    </message>
    <message>
        <source>Copy link address</source>
        <translation>लिंक का पता कॉपी करें</translation>
    </message>
    <message>
        <source>Save link</source>
        <translation>लिंक सहेजें</translation>
    </message>
    <message>
        <source>Copy image</source>
        <translation>चित्र कॉपी करें</translation>
    </message>
    <message>
        <source>Copy image address</source>
        <translation>चित्र का पता कॉपी करें</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>चित्र सहेजें</translation>
    </message>
    <message>
        <source>Copy media address</source>
        <translation>मीडिया का पता कॉपी करें</translation>
    </message>
    <message>
        <source>Show controls</source>
        <translation>नियंत्रण दिखाएँ</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>बार-बार चलाएँ</translation>
    </message>
    <message>
        <source>Save media</source>
        <translation>मीडिया सहेजें</translation>
    </message>
    <message>
        <source>Inspect</source>
        <translation>जाँचें</translation>
    </message>
    <message>
        <source>Exit full screen</source>
        <translation>पूर्ण स्क्रीन से बाहर निकलें</translation>
    </message>
    <message>
        <source>Save page</source>
        <translation>पेज सहेजें</translation>
    </message>
    <message>
        <source>View page source</source>
        <translation>पेज का स्रोत देखें</translation>
    </message>
</context>
<context>
    <name>ZoneNote</name>
    <message>
        <source>local mean time</source>
        <translation>स्थानीय माध्य समय</translation>
    </message>
    <message>
        <source>local mean time at %1</source>
        <translation>%1 का स्थानीय माध्य समय</translation>
    </message>
    <message>
        <source>local mean time of %1, %2</source>
        <translation>%1 (%2) का स्थानीय माध्य समय</translation>
    </message>
    <message>
        <source>%1 kept %2, UTC%3, until %4</source>
        <translation>%1 में %4 तक %2 (UTC%3) चलता था</translation>
    </message>
    <message>
        <source>, but India&apos;s war time in the war years</source>
        <translation>, पर युद्ध के वर्षों में भारत का युद्धकालीन समय</translation>
    </message>
    <message>
        <source>; a time recorded in Indian time: choose Indian Time</source>
        <translation>; भारतीय समय में लिखा गया समय हो तो Indian Time चुनें</translation>
    </message>
    <message>
        <source>%1 on %2 %3</source>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>मानक समय</translation>
    </message>
    <message>
        <source>war time</source>
        <translation>युद्धकालीन समय</translation>
    </message>
    <message>
        <source>daylight saving</source>
        <translation>डेलाइट सेविंग</translation>
    </message>
    <message>
        <source> with daylight saving</source>
        <translation> डेलाइट सेविंग के साथ</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; names no place; give the zone of the birth&apos;s place, such as Asia/Kolkata.</source>
        <translation>समय क्षेत्र &quot;%1&quot; किसी स्थान का नहीं है; जन्म स्थान का समय क्षेत्र दें, जैसे Asia/Kolkata।</translation>
    </message>
    <message>
        <source>The time zone &quot;%1&quot; is not known to this computer.</source>
        <translation>समय क्षेत्र &quot;%1&quot; इस कंप्यूटर को ज्ञात नहीं है।</translation>
    </message>
    <message>
        <source>The date or time is not valid.</source>
        <translation>तिथि या समय सही नहीं है।</translation>
    </message>
    <message>
        <source>%1 never happened: the clocks went forward from UTC%2 to UTC%3.</source>
        <translation>%1 कभी आया ही नहीं: घड़ियाँ UTC%2 से UTC%3 पर आगे बढ़ गईं।</translation>
    </message>
    <message>
        <source>%1 happened twice: the clocks went back. First at %2, then at %3; which was it?</source>
        <translation>%1 दो बार आया: घड़ियाँ पीछे हुईं। पहले %2 पर, फिर %3 पर; जन्म किस बार हुआ?</translation>
    </message>
    <message>
        <source>no zone in the list gives it; the reading uses the exact offset</source>
        <translation>सूची का कोई समय क्षेत्र यह नहीं देता; फल ठीक यही अंतर लेता है</translation>
    </message>
    <message>
        <source>%1 was %2, but %3 gives UTC%4.</source>
        <translation>%1 पर %2 था, पर %3 से UTC%4 मिलता है।</translation>
    </message>
    <message>
        <source>%1 was %2 or %3, but %4 gives UTC%5.</source>
        <translation>%1 पर %2 या %3 था, पर %4 से UTC%5 मिलता है।</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <translation>yyyy-MM-dd</translation>
    </message>
</context>
<context>
    <name>rashi::AspectSwitch</name>
    <message>
        <source>The arrows and rows show the aspects of the signs</source>
        <translation>तीर और पंक्तियाँ राशियों की दृष्टि दिखाते हैं</translation>
    </message>
    <message>
        <source>Dashed arrows with their strengths in virupas, the signs each body aspects, the table of strengths and the two aspects side by side</source>
        <translation>विरूप में बल के साथ टूटी रेखा वाले तीर, हर ग्रह की दृष्टि वाली राशियाँ, बल की सारणी और दोनों दृष्टियाँ साथ-साथ</translation>
    </message>
    <message>
        <source>Sign aspects (Rashi Drishti)</source>
        <translation>राशि दृष्टि</translation>
    </message>
    <message>
        <source>Planet aspects (graha drishti)</source>
        <translation>ग्रह दृष्टि</translation>
    </message>
    <message>
        <source>Aspects shown</source>
        <translation>दिखाई गई दृष्टि</translation>
    </message>
    <message>
        <source>Sign aspects (Rashi Drishti) or planet aspects (graha drishti)</source>
        <translation>राशि दृष्टि या ग्रह दृष्टि</translation>
    </message>
    <message>
        <source>&amp;Aspects:</source>
        <translation>दृष्टि (&amp;A):</translation>
    </message>
</context>
<context>
    <name>rashi::AyanamsaMenu</name>
    <message>
        <source>Your &amp;Own...</source>
        <translation>आपका अपना (&amp;O)...</translation>
    </message>
    <message>
        <source>Your &amp;Own: %1...</source>
        <translation>आपका अपना (&amp;O): %1...</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa</source>
        <translation>अयनांश (&amp;A)</translation>
    </message>
    <message>
        <source>The Program&apos;s &amp;Own (Formulas&apos; or Lahiri)</source>
        <translation>प्रोग्राम का अपना (&amp;O) (सूत्रों का या लाहिड़ी)</translation>
    </message>
    <message>
        <source>Your own ayanamsa: its value at J2000.0 in degrees and how much it grows in a year, in arcseconds, separated by a comma (e.g. 23.85,50.29).</source>
        <translation>आपका अपना अयनांश: J2000.0 पर उसका मान अंशों में और एक वर्ष में उसकी वृद्धि आर्कसेकंड में, अल्पविराम से अलग (जैसे 23.85,50.29)।</translation>
    </message>
    <message>
        <source>Please Check The Ayanamsa.</source>
        <translation>कृपया अयनांश जाँचें।</translation>
    </message>
    <message>
        <source>Give two numbers separated by a comma: degrees within 180 either way, then arcseconds a year within 200 either way, e.g. 23.85,50.29. You gave &quot;%1&quot;.</source>
        <translation>अल्पविराम से अलग दो संख्याएँ दें: दोनों ओर 180 के भीतर अंश, फिर दोनों ओर 200 के भीतर प्रति वर्ष आर्कसेकंड, जैसे 23.85,50.29। आपने &quot;%1&quot; दिया।</translation>
    </message>
</context>
<context>
    <name>rashi::BirthDayView</name>
    <message>
        <source>Through the birth&apos;s day: point at or choose a slice to see what would differ.</source>
        <translation>जन्म का पूरा दिन: कोई भाग चुनें या उस पर पॉइंटर रखें, तो दिखेगा कि क्या बदलता।</translation>
    </message>
</context>
<context>
    <name>rashi::ChartAccessible</name>
    <message>
        <source>%1 in %2, %3</source>
        <translation>%1 %2 में, %3</translation>
    </message>
</context>
<context>
    <name>rashi::ChartImport</name>
    <message>
        <source>1 chart</source>
        <translation>1 कुंडली</translation>
    </message>
    <message>
        <source>%1 charts</source>
        <translation>%1 कुंडलियाँ</translation>
    </message>
    <message>
        <source>No chart</source>
        <translation>कोई कुंडली नहीं</translation>
    </message>
    <message>
        <source> imported.</source>
        <translation> आयात हुई।</translation>
    </message>
    <message>
        <source>%1 imported, %2 refused. Please Check The File.</source>
        <translation>%1 आयात हुईं, %2 अस्वीकार। कृपया फ़ाइल जाँचें।</translation>
    </message>
</context>
<context>
    <name>rashi::ChartView</name>
    <message>
        <source>Rashi chart</source>
        <translation>राशि चक्र</translation>
    </message>
    <message>
        <source>Click a body, or use the arrow keys or 1 to 9, to see the signs it aspects</source>
        <translation>कोई ग्रह क्लिक करें, या तीर कुंजियाँ या 1 से 9 दबाएँ, तो उसकी दृष्टि वाली राशियाँ दिखेंगी</translation>
    </message>
</context>
<context>
    <name>rashi::CoreMessages</name>
    <message>
        <source>Please enter only letters</source>
        <translation>कृपया केवल अक्षर लिखें</translation>
    </message>
    <message>
        <source>Please enter only numbers</source>
        <translation>कृपया केवल अंक लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>कृपया अपना नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minutes of Latitude</source>
        <translation>कृपया अक्षांश के मिनट लिखें</translation>
    </message>
    <message>
        <source>Please Enter Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Minute of Longitude</source>
        <translation>कृपया देशांतर के मिनट लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your City name</source>
        <translation>कृपया अपने शहर का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your State name</source>
        <translation>कृपया अपने राज्य का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter Your Country name</source>
        <translation>कृपया अपने देश का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Select Direction For The Latitude</source>
        <translation>कृपया अक्षांश की दिशा चुनें</translation>
    </message>
    <message>
        <source>Please Select Direction For The Longitude</source>
        <translation>कृपया देशांतर की दिशा चुनें</translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Latitude</source>
        <translation>कृपया अक्षांश के सही अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Minutes of Latitude</source>
        <translation>कृपया अक्षांश के सही मिनट लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Degree of Longitude</source>
        <translation>कृपया देशांतर के सही अंश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Minute of Longitude</source>
        <translation>कृपया देशांतर के सही मिनट लिखें</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर लिखें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य लिखें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश लिखें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तिथि या महीना लिखें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तिथि या महीना लिखें !</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल जाँचें।</translation>
    </message>
    <message>
        <source>Please Enter The City</source>
        <translation>कृपया शहर या गाँव का नाम लिखें</translation>
    </message>
    <message>
        <source>Please Enter The Country</source>
        <translation>कृपया देश का नाम लिखें</translation>
    </message>
    <message>
        <source>The latitude must lie between 90 degrees south and 90 degrees north</source>
        <translation>अक्षांश 90 अंश दक्षिण और 90 अंश उत्तर के बीच होना चाहिए</translation>
    </message>
    <message>
        <source>The longitude must lie between 180 degrees west and 180 degrees east</source>
        <translation>देशांतर 180 अंश पश्चिम और 180 अंश पूर्व के बीच होना चाहिए</translation>
    </message>
</context>
<context>
    <name>rashi::DashasView</name>
    <message>
        <source>The Moon of the Vimshottari dasha</source>
        <translation>विंशोत्तरी दशा का चंद्र</translation>
    </message>
    <message>
        <source>How far the dates move with the birth time</source>
        <translation>जन्म समय के साथ तिथियाँ कितनी खिसकती हैं</translation>
    </message>
    <message>
        <source>Vimshottari dasha periods</source>
        <translation>विंशोत्तरी दशा की अवधियाँ</translation>
    </message>
    <message>
        <source>Chara dasha periods</source>
        <translation>चर दशा की अवधियाँ</translation>
    </message>
    <message>
        <source>Drig dasha periods</source>
        <translation>दृग दशा की अवधियाँ</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>अवधि</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अंत</translation>
    </message>
    <message>
        <source>Age at start</source>
        <translation>आरंभ पर आयु</translation>
    </message>
    <message>
        <source>Aspects by the classical Rashi Drishti</source>
        <translation>शास्त्रीय राशि दृष्टि से दृष्टि</translation>
    </message>
    <message>
        <source>, running now</source>
        <translation>, अभी चल रही</translation>
    </message>
    <message>
        <source>before birth</source>
        <translation>जन्म से पहले</translation>
    </message>
    <message>
        <source>no length</source>
        <translation>कोई अवधि नहीं</translation>
    </message>
    <message>
        <source>Dates on the clocks of %1 as they went on each date.</source>
        <translation>तिथियाँ %1 की घड़ियों पर, हर तिथि पर जैसी वे चलीं।</translation>
    </message>
    <message>
        <source>Dates at the birth&apos;s own offset from UT throughout.</source>
        <translation>तिथियाँ पूरे समय जन्म के अपने UT अंतर पर।</translation>
    </message>
    <message>
        <source>Vimshottari dasha</source>
        <translation>विंशोत्तरी दशा</translation>
    </message>
</context>
<context>
    <name>rashi::DayStripView</name>
    <message>
        <source>Chart through the day</source>
        <translation>दिन भर की कुंडली</translation>
    </message>
    <message>
        <source>Click a slice, or use Left and Right, to see what would differ</source>
        <translation>कोई भाग क्लिक करें, या बाएँ और दाएँ तीर दबाएँ, तो दिखेगा कि क्या बदलता</translation>
    </message>
</context>
<context>
    <name>rashi::GrahaDrishtiView</name>
    <message>
        <source>Planet aspects of %1</source>
        <translation>%1 की ग्रह दृष्टि</translation>
    </message>
</context>
<context>
    <name>rashi::GrahaTablesView</name>
    <message>
        <source>The two aspects side by side: the bodies each body joins</source>
        <translation>दोनों दृष्टियाँ साथ-साथ: हर ग्रह किन ग्रहों से जुड़ता है</translation>
    </message>
    <message>
        <source>The two aspects side by side</source>
        <translation>दोनों दृष्टियाँ साथ-साथ</translation>
    </message>
    <message>
        <source>For each body, the bodies it joins by both aspects, by Rashi Drishti only and by graha drishti only</source>
        <translation>हर ग्रह के लिए वे ग्रह जिनसे वह दोनों दृष्टियों से, केवल राशि दृष्टि से और केवल ग्रह दृष्टि से जुड़ता है</translation>
    </message>
    <message>
        <source>By both aspects</source>
        <translation>दोनों दृष्टियों से</translation>
    </message>
    <message>
        <source>By Rashi Drishti only</source>
        <translation>केवल राशि दृष्टि से</translation>
    </message>
    <message>
        <source>By graha drishti only</source>
        <translation>केवल ग्रह दृष्टि से</translation>
    </message>
</context>
<context>
    <name>rashi::InputPanel</name>
    <message>
        <source>Personal Details</source>
        <translation>व्यक्तिगत विवरण</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>अक्षांश के मिनट</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>देशांतर के मिनट</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>महीना</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Julian date</source>
        <translation>जूलियन तिथि</translation>
    </message>
    <message>
        <source>The date is in the Julian calendar (Britain until 1752, Russia until 1918, Greece until 1923)</source>
        <translation>तिथि जूलियन पंचांग में है (ब्रिटेन 1752 तक, रूस 1918 तक, यूनान 1923 तक)</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>अक्षांश की दिशा</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>देशांतर की दिशा</translation>
    </message>
    <message>
        <source>&amp;Get My Rashi Drishti (Sign Aspects) Reading</source>
        <translation>मेरा राशि दृष्टि फल देखें (&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजा गया फल खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>Click here to find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश और देशांतर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>HH/MM</source>
        <translation>घंटा/मिनट</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>अंश/कला</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Rashi Drishti implies signs that are aspected by this sign and the signs that aspect this sign.</source>
        <translation>राशि दृष्टि का अर्थ है वे राशियाँ जिन पर यह राशि दृष्टि डालती है और वे राशियाँ जो इस राशि पर दृष्टि डालती हैं।</translation>
    </message>
    <message>
        <source>Drishti means sight or aspects. This is something that is visible or keeping an eye on someone (aspects). Rashi Drishtis are of a more permanent nature and they represent the knowledge aspect.</source>
        <translation>दृष्टि का अर्थ है देखना। यह वह है जो दिखाई देता है या किसी पर नज़र रखता है। राशि दृष्टियाँ अधिक स्थायी होती हैं और ज्ञान के पक्ष को दर्शाती हैं।</translation>
    </message>
    <message>
        <source>UTC%1 (%2)</source>
        <translation>UTC%1 (%2)</translation>
    </message>
    <message>
        <source>daylight saving</source>
        <translation>डेलाइट सेविंग</translation>
    </message>
    <message>
        <source>standard time</source>
        <translation>मानक समय</translation>
    </message>
    <message>
        <source> (the second time: the clocks had gone back)</source>
        <translation> (दूसरी बार: घड़ियाँ पीछे हो चुकी थीं)</translation>
    </message>
    <message>
        <source> (the first time, before the clocks went back)</source>
        <translation> (पहली बार, घड़ियाँ पीछे होने से पहले)</translation>
    </message>
</context>
<context>
    <name>rashi::Links</name>
    <message>
        <source>The manual could not be found.</source>
        <translation>सहायता पुस्तिका नहीं मिली।</translation>
    </message>
    <message>
        <source>It belongs in share/%1 beside the program&apos;s folder.</source>
        <translation>वह प्रोग्राम के फ़ोल्डर के पास share/%1 में होनी चाहिए।</translation>
    </message>
    <message>
        <source>No web browser could be started for this page.</source>
        <translation>इस पेज के लिए कोई वेब ब्राउज़र शुरू नहीं हो सका।</translation>
    </message>
    <message>
        <source>Copy the address into a browser:
%1</source>
        <translation>यह पता किसी ब्राउज़र में कॉपी करें:
%1</translation>
    </message>
</context>
<context>
    <name>rashi::OwnPlaceForm</name>
    <message>
        <source>Edit Your Place</source>
        <translation>अपना स्थान बदलें</translation>
    </message>
    <message>
        <source>Add a Place of Your Own</source>
        <translation>अपना एक स्थान जोड़ें</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>अक्षांश की दिशा</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>देशांतर की दिशा</translation>
    </message>
    <message>
        <source>e.g. Asia/Kolkata</source>
        <translation>जैसे Asia/Kolkata</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>&amp;City or village:</source>
        <translation>शहर या गाँव (&amp;C):</translation>
    </message>
    <message>
        <source>S&amp;tate:</source>
        <translation>राज्य (&amp;T):</translation>
    </message>
    <message>
        <source>C&amp;ountry:</source>
        <translation>देश (&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Latitude:</source>
        <translation>अक्षांश (&amp;L):</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>देशांतर (&amp;N):</translation>
    </message>
    <message>
        <source>Time &amp;zone:</source>
        <translation>समय क्षेत्र (&amp;Z):</translation>
    </message>
    <message>
        <source>No place of the atlas lies near: choose the zone yourself.</source>
        <translation>एटलस का कोई स्थान पास में नहीं है: समय क्षेत्र स्वयं चुनें।</translation>
    </message>
    <message>
        <source>The zone of %1, the nearest place in the atlas.</source>
        <translation>एटलस में सबसे निकट के स्थान %1 का समय क्षेत्र।</translation>
    </message>
    <message>
        <source>The zone chosen stays; %1, the nearest place in the atlas, keeps %2.</source>
        <translation>चुना गया समय क्षेत्र बना रहता है; एटलस में सबसे निकट के स्थान %1 का क्षेत्र %2 है।</translation>
    </message>
    <message>
        <source>Please enter the latitude in degrees, for example 18.5204.</source>
        <translation>कृपया अक्षांश अंशों में लिखें, जैसे 18.5204।</translation>
    </message>
    <message>
        <source>Please enter the longitude in degrees, for example 73.8567.</source>
        <translation>कृपया देशांतर अंशों में लिखें, जैसे 73.8567।</translation>
    </message>
    <message>
        <source>Please choose the time zone from the list.</source>
        <translation>कृपया सूची से समय क्षेत्र चुनें।</translation>
    </message>
    <message>
        <source>The place was not saved.</source>
        <translation>स्थान सहेजा नहीं गया।</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>degrees, e.g. %1</source>
        <translation>अंश, जैसे %1</translation>
    </message>
</context>
<context>
    <name>rashi::OwnPlacesDialog</name>
    <message>
        <source>Your Places</source>
        <translation>आपके स्थान</translation>
    </message>
    <message>
        <source>Villages and towns the atlas lacks, kept with their coordinates and time zone. The City box offers them first.</source>
        <translation>वे गाँव और कस्बे जो एटलस में नहीं हैं, अपने अक्षांश-देशांतर और समय क्षेत्र के साथ रखे जाते हैं। शहर वाला बॉक्स इन्हें सबसे पहले सुझाता है।</translation>
    </message>
    <message>
        <source>Your places</source>
        <translation>आपके स्थान</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>You have no places of your own yet. Add one, and the City box offers it.</source>
        <translation>अभी आपका अपना कोई स्थान नहीं है। एक जोड़ें, और शहर वाला बॉक्स उसे सुझाएगा।</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>जोड़ें... (&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>बदलें... (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>हटाएँ (&amp;R)</translation>
    </message>
    <message>
        <source>Your places could not be read.</source>
        <translation>आपके स्थान पढ़े नहीं जा सके।</translation>
    </message>
    <message>
        <source>%1° %2</source>
        <translation>%1° %2</translation>
    </message>
    <message>
        <source>S</source>
        <translation>द</translation>
    </message>
    <message>
        <source>N</source>
        <translation>उ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>प</translation>
    </message>
    <message>
        <source>E</source>
        <translation>पू</translation>
    </message>
    <message>
        <source>Remove %1 from your places?</source>
        <translation>%1 को अपने स्थानों से हटाएँ?</translation>
    </message>
    <message>
        <source>The place was not removed.</source>
        <translation>स्थान हटाया नहीं गया।</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें (&amp;C)</translation>
    </message>
</context>
<context>
    <name>rashi::PlaceFinder</name>
    <message>
        <source>%1 (your place)</source>
        <translation>%1 (आपका स्थान)</translation>
    </message>
    <message>
        <source>(Your places could not be read: %1)</source>
        <translation>(आपके स्थान पढ़े नहीं जा सके: %1)</translation>
    </message>
    <message>
        <source>Did you mean %1?</source>
        <translation>क्या आपका मतलब %1 था?</translation>
    </message>
</context>
<context>
    <name>rashi::ProgramSettings</name>
    <message>
        <source>%1 was %2; it is kept as %3.</source>
        <translation>%1 %2 थी; उसे %3 के रूप में रखा गया है।</translation>
    </message>
    <message>
        <source>%1 is %2 and cannot be set aside: %3.</source>
        <translation>%1 %2 है और उसे अलग नहीं रखा जा सकता: %3।</translation>
    </message>
    <message>
        <source>The settings file could not be used, so the program starts with its default settings.</source>
        <translation>सेटिंग्स फ़ाइल काम में नहीं ली जा सकी, इसलिए प्रोग्राम अपनी मूल सेटिंग्स से शुरू हो रहा है।</translation>
    </message>
</context>
<context>
    <name>rashi::ReadingRowsView</name>
    <message>
        <source>Karakas and arudha padas</source>
        <translation>कारक और आरूढ़ पद</translation>
    </message>
</context>
<context>
    <name>rashi::RecentCharts</name>
    <message>
        <source>(None)</source>
        <translation>(कोई नहीं)</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Charts</source>
        <translation>हाल की कुंडलियों की सूची मिटाएँ (&amp;C)</translation>
    </message>
</context>
<context>
    <name>rashi::ResultsPanel</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF दस्तावेज़ (*.pdf)</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>PNG चित्र (*.png);;SVG चित्र (*.svg)</translation>
    </message>
    <message>
        <source>Tarvek Rashi Drishti (Sign Aspects) Results</source>
        <translation>राशि दृष्टि फल</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस (&amp;B)</translation>
    </message>
    <message>
        <source>The reading could not be printed.</source>
        <translation>फल छापा नहीं जा सका।</translation>
    </message>
    <message>
        <source>The %1 could not be written to &quot;%2&quot;.</source>
        <translation>%1 &quot;%2&quot; में नहीं लिखा जा सका।</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF निर्यात करें</translation>
    </message>
    <message>
        <source>Save Chart Picture</source>
        <translation>कुंडली का चित्र सहेजें</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>चित्र</translation>
    </message>
    <message>
        <source>Navamsa (D&amp;9)</source>
        <translation>नवांश (D&amp;9)</translation>
    </message>
    <message>
        <source>Show the navamsa chart</source>
        <translation>नवांश चक्र दिखाएँ</translation>
    </message>
    <message>
        <source>The navamsa (D9) chart and its whole Rashi Drishti reading</source>
        <translation>नवांश (D9) चक्र और उसका पूरा राशि दृष्टि फल</translation>
    </message>
    <message>
        <source>&amp;Stop Here</source>
        <translation>यहीं रुकें (&amp;S)</translation>
    </message>
    <message>
        <source>Planet aspects: %1.</source>
        <translation>ग्रह दृष्टि: %1।</translation>
    </message>
    <message>
        <source>&amp;Dashas</source>
        <translation>दशाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>Show the dashas</source>
        <translation>दशाएँ दिखाएँ</translation>
    </message>
    <message>
        <source>The nakshatras and the Vimshottari, chara and drig dashas</source>
        <translation>नक्षत्र और विंशोत्तरी, चर व दृग दशाएँ</translation>
    </message>
</context>
<context>
    <name>rashi::SearchPage</name>
    <message>
        <source>Search</source>
        <translation>खोजें</translation>
    </message>
</context>
<context>
    <name>rashi::SingleInstance</name>
    <message>
        <source>Something that is not a file stands where the lock file belongs.</source>
        <translation>लॉक फ़ाइल की जगह कुछ ऐसा है जो फ़ाइल नहीं है।</translation>
    </message>
    <message>
        <source>A folder stands where the lock file belongs.</source>
        <translation>लॉक फ़ाइल की जगह एक फ़ोल्डर है।</translation>
    </message>
    <message>
        <source>Its folder does not exist.</source>
        <translation>उसका फ़ोल्डर मौजूद नहीं है।</translation>
    </message>
    <message>
        <source>Its folder cannot be written to.</source>
        <translation>उसके फ़ोल्डर में लिखा नहीं जा सकता।</translation>
    </message>
    <message>
        <source>The lock file cannot be written.</source>
        <translation>लॉक फ़ाइल लिखी नहीं जा सकती।</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
    <message>
        <source>The program cannot tell whether another copy of it is running, so it starts anyway.</source>
        <translation>प्रोग्राम यह नहीं जान सकता कि उसकी कोई और प्रति चल रही है या नहीं, इसलिए वह फिर भी शुरू हो रहा है।</translation>
    </message>
</context>
<context>
    <name>rashi::SphutaTableView</name>
    <message>
        <source>Strengths of the planet aspects (sphuta drishti) in virupas</source>
        <translation>ग्रह दृष्टि का बल (स्फुट दृष्टि) विरूप में</translation>
    </message>
    <message>
        <source>A row for each body, a column for each of the nine bodies and the twelve houses; %1 virupas or more is a strong aspect</source>
        <translation>हर ग्रह की एक पंक्ति, नौ ग्रहों और बारह भावों का एक-एक स्तंभ; %1 विरूप या अधिक बलवान दृष्टि है</translation>
    </message>
    <message>
        <source>house %1</source>
        <translation>भाव %1</translation>
    </message>
    <message>
        <source>%1 on itself: none</source>
        <translation>%1 अपने पर: कुछ नहीं</translation>
    </message>
    <message>
        <source>%1 on %2: %3 virupas, strong</source>
        <translation>%1 की %2 पर: %3 विरूप, बलवान</translation>
    </message>
    <message>
        <source>%1 on %2: %3 virupas</source>
        <translation>%1 की %2 पर: %3 विरूप</translation>
    </message>
</context>
<context>
    <name>rashi::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का अपडेट उपलब्ध हो सकता है<byte value="xd"/>क्या आप अपडेट देखना चाहते हैं?</translation>
    </message>
</context>
<context>
    <name>rashi::UserDialogs</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>फ़ोल्डर &quot;%1&quot; मौजूद नहीं है।</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only; choose another name.</source>
        <translation>&quot;%1&quot; केवल पढ़ने के लिए है; कोई और नाम चुनें।</translation>
    </message>
</context>
<context>
    <name>rashi::frmAbout</name>
    <message>
        <source>Tarvek Rashi Drishti (Sign Aspects) calculates the sign aspects according to Vedic Astrology. Rashi Drishtis are of a more permanent nature and they represent the knowledge aspect. Rashi Drishti implies signs that are aspected by this sign and the signs that aspect this sign.</source>
        <translation>राशि दृष्टि वैदिक ज्योतिष के अनुसार राशियों की दृष्टि की गणना करता है। राशि दृष्टियाँ अधिक स्थायी होती हैं और ज्ञान के पक्ष को दर्शाती हैं। राशि दृष्टि का अर्थ है वे राशियाँ जिन पर यह राशि दृष्टि डालती है और वे राशियाँ जो इस राशि पर दृष्टि डालती हैं।</translation>
    </message>
    <message>
        <source>The atlas of places uses data from GeoNames (geonames.org), licensed under CC BY 4.0 (creativecommons.org/licenses/by/4.0); the data were filtered and re-encoded for this program.</source>
        <translation>स्थानों का एटलस GeoNames (geonames.org) के आँकड़ों पर आधारित है, जो CC BY 4.0 (creativecommons.org/licenses/by/4.0) लाइसेंस के अधीन हैं; ये आँकड़े इस प्रोग्राम के लिए छाँटे और नए रूप में लिखे गए हैं।</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>देखने के लिए यहाँ क्लिक करें: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>rashi::frmBrowser</name>
    <message>
        <source>Tarvek Rashi Drishti (Sign Aspects) v1.10</source>
        <translation>टार्वेक राशि दृष्टि v1.10</translation>
    </message>
    <message>
        <source>Browser buttons</source>
        <translation>ब्राउज़र के बटन</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Back to the page before</source>
        <translation>पिछले पेज पर वापस</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Forward to the next page</source>
        <translation>अगले पेज पर आगे</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Stop loading the page</source>
        <translation>पेज का लोड होना रोकें</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>ताज़ा करें</translation>
    </message>
    <message>
        <source>Load the page again</source>
        <translation>पेज फिर से लोड करें</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>मुख्य पेज</translation>
    </message>
    <message>
        <source>The search engine&apos;s start page</source>
        <translation>खोज इंजन का मुख्य पेज</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>खोजें</translation>
    </message>
    <message>
        <source>A new search</source>
        <translation>नई खोज</translation>
    </message>
    <message>
        <source>Visit Tarvek online for more Vedic astrology software</source>
        <translation>वैदिक ज्योतिष के और सॉफ़्टवेयर के लिए टार्वेक की वेबसाइट देखें</translation>
    </message>
    <message>
        <source>Opens Tarvek&apos;s website in your web browser</source>
        <translation>टार्वेक की वेबसाइट आपके वेब ब्राउज़र में खोलता है</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>पता (&amp;A):</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>पता</translation>
    </message>
    <message>
        <source>Type an address and press Enter to go there</source>
        <translation>कोई पता लिखें और वहाँ जाने के लिए Enter दबाएँ</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>वेब पेज</translation>
    </message>
    <message>
        <source>Working...</source>
        <translation>लोड हो रहा है...</translation>
    </message>
</context>
<context>
    <name>rashi::frmMain</name>
    <message>
        <source>Tarvek Vedic Rashi Drishti (*.kqa)</source>
        <translation>राशि दृष्टि कुंडली (*.kqa)</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>स्रोत फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>Visit our website and forum for more on Vedic astrology</source>
        <translation>वैदिक ज्योतिष पर और जानकारी के लिए हमारी वेबसाइट और फ़ोरम देखें</translation>
    </message>
    <message>
        <source>The atlas of places could not be loaded. Places can still be typed by hand.</source>
        <translation>स्थानों का एटलस लोड नहीं हो सका। स्थान अब भी हाथ से लिखे जा सकते हैं।</translation>
    </message>
    <message>
        <source>The atlas of places was read from its file.</source>
        <translation>स्थानों का एटलस उसकी फ़ाइल से पढ़ा गया।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल (&amp;F)</translation>
    </message>
    <message>
        <source>Get My &amp;Rasi Chart</source>
        <translation>मेरी राशि कुंडली (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>खोलें... (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>सहेजें... (&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Import Chart...</source>
        <translation>कुंडली आयात करें... (&amp;I)</translation>
    </message>
    <message>
        <source>Recent &amp;Charts</source>
        <translation>हाल की कुंडलियाँ (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>छापें... (&amp;P)</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>PDF निर्यात करें... (&amp;D)</translation>
    </message>
    <message>
        <source>Save Chart Pic&amp;ture...</source>
        <translation>कुंडली का चित्र सहेजें... (&amp;T)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें (&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>संपादन (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy Reading</source>
        <translation>फल कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>O&amp;ptions</source>
        <translation>विकल्प (&amp;P)</translation>
    </message>
    <message>
        <source>Positions from the Program&apos;s &amp;Formulas</source>
        <translation>प्रोग्राम के अपने सूत्रों से स्थितियाँ (&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Precise Positions (IAU Models, Lahiri)</source>
        <translation>सटीक स्थितियाँ (IAU मॉडल, लाहिड़ी) (&amp;P)</translation>
    </message>
    <message>
        <source>No&amp;des</source>
        <translation>राहु-केतु (&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Mean Node</source>
        <translation>मध्य राहु (&amp;M)</translation>
    </message>
    <message>
        <source>&amp;True Node</source>
        <translation>सत्य राहु (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Classical Rule of Sign Aspects</source>
        <translation>राशि दृष्टि का शास्त्रीय नियम (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;North Indian Chart</source>
        <translation>उत्तर भारतीय कुंडली (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>सहायता पुस्तिका (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें (&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अपडेट देखें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में (&amp;A)</translation>
    </message>
    <message>
        <source>The reading could not be saved to &quot;%1&quot;: %2</source>
        <translation>फल &quot;%1&quot; में सहेजा नहीं जा सका: %2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1 में सहेजा गया</translation>
    </message>
    <message>
        <source>Import charts of other programs</source>
        <translation>दूसरे प्रोग्रामों की कुंडलियाँ आयात करें</translation>
    </message>
    <message>
        <source>Seven Chara &amp;Karakas (without Rahu)</source>
        <translation>सात चर कारक (&amp;K) (राहु के बिना)</translation>
    </message>
    <message>
        <source>Arudha Padas with the 10th and 4th &amp;Exceptions</source>
        <translation>10वें और 4थे अपवादों सहित आरूढ़ पद (&amp;E)</translation>
    </message>
    <message>
        <source>P&amp;laces...</source>
        <translation>स्थान... (&amp;L)</translation>
    </message>
    <message>
        <source>Show &amp;Next</source>
        <translation>अगली दिखाएँ (&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;ode Aspects</source>
        <translation>राहु-केतु की दृष्टि (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;7th Only</source>
        <translation>केवल सप्तम (&amp;7)</translation>
    </message>
    <message>
        <source>&amp;5th and 9th Too</source>
        <translation>पंचम और नवम भी (&amp;5)</translation>
    </message>
</context>
</TS>
