// Built-in question bank: 165 questions on Canadian civics.
//
// The correct answer is always the first of the four choices; the test builder
// shuffles the choices when it shows them. The order of the questions is fixed
// forever, because question numbers are stored in users' histories: never
// insert, remove or reorder entries, only correct their wording.

#include "bank/builtin_questions.h"

namespace veltrano {

// Keep clang-format away from the table so every entry keeps its layout.
// clang-format off
const std::array<BuiltInQuestion, builtInQuestionCount> builtInQuestions = {{
    // ---- Rights and responsibilities ----
    // 1
    {"In what year was the Canadian Charter of Rights and Freedoms added to the Constitution?",
     {"1982", "1867", "1931", "1960"}},
    // 2
    {"Which English charter of 1215 is the foundation of many rights and freedoms Canadians enjoy?",
     {"Magna Carta", "The Quebec Act", "The Royal Proclamation", "The Statute of Westminster"}},
    // 3
    {"Which of these is one of the fundamental freedoms protected in Canada?",
     {"Freedom of peaceful assembly", "Freedom from all taxation", "Freedom to refuse jury duty",
      "Freedom to vote from age 16"}},
    // 4
    {"What does the legal principle of habeas corpus protect?",
     {"The right to challenge unlawful detention by the state", "The right to own private property",
      "The right to vote in secret", "The right to free public education"}},
    // 5
    {"Which Charter rights allow citizens to live and work in any province?",
     {"Mobility rights", "Language rights", "Democratic rights", "Equality rights"}},
    // 6
    {"What are Canada's two official languages?",
     {"English and French", "English and Inuktitut", "French and Cree", "English and Gaelic"}},
    // 7
    {"Which is the only province that is officially bilingual?",
     {"New Brunswick", "Quebec", "Ontario", "Nova Scotia"}},
    // 8
    {"Name one responsibility of citizenship.",
     {"Serving on a jury when called", "Joining a political party", "Owning a home",
      "Attending a place of worship"}},
    // 9
    {"Which of these is a responsibility of Canadian citizens?",
     {"Obeying the law", "Belonging to a trade union", "Buying only Canadian products",
      "Flying the flag at home"}},
    // 10
    {"Is military service compulsory in Canada?",
     {"No, serving in the Canadian Armed Forces is voluntary", "Yes, for all men aged 18",
      "Yes, for two years after high school", "Yes, for all new citizens"}},
    // 11
    {"Which principle means that no one, not even the government, is above the law?",
     {"The rule of law", "Responsible government", "Representation by population",
      "Freedom of association"}},
    // 12
    {"What does Canadian law say about the rights of men and women?",
     {"They are equal under the law", "Men have more rights in family matters",
      "Women may not hold public office", "Only men may serve on juries"}},
    // 13
    {"Which of these is against the law in Canada?",
     {"Forced marriage", "Marrying someone of another faith", "Not voting in an election",
      "Speaking neither official language at home"}},
    // 14
    {"Which Charter rights let English and French minorities educate their children in their own language?",
     {"Minority Language Educational Rights", "Mobility Rights", "Multiculturalism Rights",
      "Democratic Rights"}},
    // 15
    {"To whom do new citizens pledge allegiance when they take the Oath of Citizenship?",
     {"The Sovereign, Canada's head of state", "The Prime Minister", "The Governor General",
      "The Chief Justice of Canada"}},
    // 16
    {"Which fundamental freedom lets Canadians follow any religion, or no religion at all?",
     {"Freedom of conscience and religion", "Freedom of association", "Freedom of the press",
      "Mobility rights"}},

    // ---- Who Canadians are ----
    // 17
    {"Who are the three founding peoples of Canada?",
     {"Aboriginal, French and British", "Aboriginal, Spanish and Dutch",
      "French, British and American", "Inuit, Irish and Portuguese"}},
    // 18
    {"What are the three main groups of Aboriginal peoples in Canada?",
     {"First Nations, Inuit and Métis", "Cree, Haida and Mohawk", "Ojibwe, Dene and Innu",
      "Inuit, Acadians and Loyalists"}},
    // 19
    {"Who are the Métis?",
     {"A distinct people of mixed Aboriginal and European ancestry",
      "The first French settlers of Acadia", "Loyalists who came from New York",
      "The Inuit of northern Quebec"}},
    // 20
    {"What does the word \"Inuit\" mean in the Inuktitut language?",
     {"The people", "The land", "The north wind", "The hunters"}},
    // 21
    {"Who are the Acadians?",
     {"Descendants of French colonists who began settling in the Maritimes in 1604",
      "Descendants of Loyalists from the Thirteen Colonies",
      "Scottish settlers of Cape Breton Island", "The first Inuit to meet Europeans"}},
    // 22
    {"What was the \"Great Upheaval\" of 1755 to 1763?",
     {"The deportation of the Acadians from their homeland", "The Red River Resistance",
      "The Quebec Conference", "The Klondike Gold Rush"}},
    // 23
    {"Who are the Québécois?",
     {"The people of Quebec, most of them French-speaking", "French-speaking people of Manitoba",
      "Descendants of Acadians in Louisiana",
      "English-speaking settlers of the Eastern Townships"}},
    // 24
    {"Which group came to Canada during and after the American Revolution out of loyalty to the Crown?",
     {"The Loyalists", "The Acadians", "The Voyageurs", "The Fenians"}},
    // 25
    {"What were residential schools?",
     {"Boarding schools that separated Aboriginal children from their families to assimilate them",
      "Colleges for training new immigrants", "Schools for the children of fur traders",
      "Academies for army officers"}},
    // 26
    {"In what year did the Government of Canada formally apologize to former residential school students?",
     {"2008", "1982", "1995", "2017"}},
    // 27
    {"What did the Government of Canada apologize for in 2006 regarding Chinese immigrants?",
     {"The head tax charged on Chinese immigrants", "Banning them from the Klondike",
      "Forcing them to serve in the army", "Closing Chinese-language newspapers"}},
    // 28
    {"Which group was forcibly relocated, with its property sold, during the Second World War?",
     {"Japanese Canadians", "Dutch Canadians", "Irish Canadians", "Scottish Canadians"}},

    // ---- History ----
    // 29
    {"Which Europeans reached Newfoundland about 1,000 years ago?",
     {"The Vikings", "The Portuguese", "The Spanish", "The Dutch"}},
    // 30
    {"Who was the first European to map Canada's Atlantic shore, in 1497?",
     {"John Cabot", "Jacques Cartier", "Henry Hudson", "Samuel de Champlain"}},
    // 31
    {"Which explorer made three voyages from 1534 to 1542 and claimed land for the King of France?",
     {"Jacques Cartier", "John Cabot", "Henry Hudson", "Martin Frobisher"}},
    // 32
    {"What does \"kanata\", the word that gave Canada its name, mean?",
     {"Village", "Great land", "Big river", "North country"}},
    // 33
    {"Who founded Quebec City in 1608?",
     {"Samuel de Champlain", "Jacques Cartier", "Jean Talon", "John Cabot"}},
    // 34
    {"Which city was founded in 1642 under the name Ville-Marie?",
     {"Montréal", "Quebec City", "Kingston", "Halifax"}},
    // 35
    {"Which company received exclusive trading rights over the Hudson Bay watershed in 1670?",
     {"The Hudson's Bay Company", "The North West Company", "The East India Company",
      "The Canadian Pacific Railway"}},
    // 36
    {"Who were the voyageurs?",
     {"Canoe men who carried furs and goods for the fur trade",
      "British soldiers in the War of 1812", "Settlers who farmed the Prairies",
      "Sailors of the Royal Navy"}},
    // 37
    {"Which battle in 1759 marked the end of France's empire in America?",
     {"The Battle of the Plains of Abraham", "The Battle of Queenston Heights",
      "The Battle of Vimy Ridge", "The Battle of Batoche"}},
    // 38
    {"Which two generals were killed at the Battle of the Plains of Abraham?",
     {"Wolfe and Montcalm", "Brock and Tecumseh", "Currie and Byng", "Wolfe and Brock"}},
    // 39
    {"What did the Quebec Act of 1774 do?",
     {"Allowed religious freedom for Catholics and restored French civil law",
      "Created Upper Canada and Lower Canada", "United the four Confederation provinces",
      "Abolished slavery in British North America"}},
    // 40
    {"What did the Constitutional Act of 1791 do?",
     {"Divided the Province of Quebec into Upper Canada and Lower Canada",
      "Created the Dominion of Canada", "Gave women the right to vote",
      "Created the Hudson's Bay Company"}},
    // 41
    {"Where did the first representative assembly in what is now Canada meet, in 1758?",
     {"Halifax, Nova Scotia", "Quebec City", "Kingston, Upper Canada", "Charlottetown"}},
    // 42
    {"Which was the first colony in British North America to gain full responsible government?",
     {"Nova Scotia", "British Columbia", "Prince Edward Island", "Newfoundland"}},
    // 43
    {"What does responsible government mean?",
     {"The ministry must have the support of a majority of elected representatives",
      "The Sovereign governs without Parliament", "Judges are elected by the people",
      "The Governor General writes every law"}},
    // 44
    {"In what year did Britain pass the law abolishing slavery throughout the British Empire?",
     {"1833", "1793", "1812", "1763"}},
    // 45
    {"What was the Underground Railroad?",
     {"A network that helped slaves escape from the United States to Canada",
      "The first railway built in Canada", "A tunnel under Niagara Falls",
      "A secret army supply route in the War of 1812"}},
    // 46
    {"Which British general died defending Upper Canada at Queenston Heights in 1812?",
     {"Sir Isaac Brock", "James Wolfe", "Sir Arthur Currie", "Lord Durham"}},
    // 47
    {"Which Shawnee chief fought alongside the British to defend Canada in the War of 1812?",
     {"Tecumseh", "Big Bear", "Poundmaker", "Crowfoot"}},
    // 48
    {"Who walked about 30 km in 1813 to warn the British of a planned American attack?",
     {"Laura Secord", "Agnes Macphail", "Nellie McClung", "Emily Murphy"}},
    // 49
    {"Which champion of French language rights led the first responsible government in the Canadas?",
     {"Louis-Hippolyte La Fontaine", "Louis-Joseph Papineau", "Sir John A. Macdonald",
      "Lord Durham"}},
    // 50
    {"In what year did Confederation take place?",
     {"1867", "1837", "1905", "1931"}},
    // 51
    {"Which four provinces formed the Dominion of Canada in 1867?",
     {"Ontario, Quebec, Nova Scotia and New Brunswick",
      "Ontario, Quebec, Manitoba and British Columbia",
      "Nova Scotia, New Brunswick, Prince Edward Island and Newfoundland",
      "Ontario, Quebec, Nova Scotia and Prince Edward Island"}},
    // 52
    {"What are the leaders who worked together to create Canada in 1867 called?",
     {"The Fathers of Confederation", "The Loyalists", "The Patriotes", "The Voyageurs"}},
    // 53
    {"Name Canada's first Prime Minister.",
     {"Sir John A. Macdonald", "Sir Wilfrid Laurier", "Alexander Mackenzie", "Sir Robert Borden"}},
    // 54
    {"Which Father of Confederation suggested the term \"Dominion of Canada\"?",
     {"Sir Leonard Tilley", "Sir John A. Macdonald", "George Brown", "Thomas D'Arcy McGee"}},
    // 55
    {"Who was the first French-Canadian Prime Minister after Confederation?",
     {"Sir Wilfrid Laurier", "Louis St. Laurent", "Sir John A. Macdonald", "Sir Robert Borden"}},
    // 56
    {"Which province joined Confederation in 1870 after the Red River Resistance?",
     {"Manitoba", "Saskatchewan", "Alberta", "British Columbia"}},
    // 57
    {"Who led the Métis in the Red River Resistance of 1869-70?",
     {"Louis Riel", "Gabriel Dumont", "Big Bear", "Joseph Howe"}},
    // 58
    {"Which Métis military leader fought beside Louis Riel in the North West Rebellion of 1885?",
     {"Gabriel Dumont", "Tecumseh", "Sir Sam Steele", "Crowfoot"}},
    // 59
    {"Which police force was founded in 1873 to keep the peace in the West?",
     {"The North West Mounted Police", "The Ontario Provincial Police",
      "The Royal Newfoundland Constabulary", "The Canadian Army"}},
    // 60
    {"Which province joined Confederation in 1871 after being promised a transcontinental railway?",
     {"British Columbia", "Prince Edward Island", "Alberta", "Newfoundland and Labrador"}},
    // 61
    {"In what year was the last spike of the Canadian Pacific Railway driven?",
     {"1885", "1867", "1905", "1914"}},
    // 62
    {"Which two provinces were created in 1905?",
     {"Alberta and Saskatchewan", "Manitoba and Saskatchewan", "Alberta and British Columbia",
      "Ontario and Quebec"}},
    // 63
    {"Which was the last province to join Confederation, in 1949?",
     {"Newfoundland and Labrador", "Prince Edward Island", "British Columbia", "Saskatchewan"}},
    // 64
    {"What event led to the creation of Yukon as a separate territory in 1898?",
     {"The Klondike Gold Rush", "The War of 1812", "The Red River Resistance",
      "The building of the Rideau Canal"}},
    // 65
    {"Which battle of April 1917 is often seen as the birth of Canadian national identity?",
     {"The Battle of Vimy Ridge", "The Battle of the Plains of Abraham", "The Battle of Batoche",
      "The Battle of Queenston Heights"}},
    // 66
    {"Who commanded the Canadian Corps and is seen as Canada's greatest soldier of the First World War?",
     {"Sir Arthur Currie", "Sir Isaac Brock", "Sir Sam Steele", "James Wolfe"}},
    // 67
    {"Who wrote the poem \"In Flanders Fields\"?",
     {"John McCrae", "Stephen Leacock", "Pauline Johnson", "Robert Service"}},
    // 68
    {"Which province was the first to give women the right to vote, in 1916?",
     {"Manitoba", "Ontario", "Quebec", "British Columbia"}},
    // 69
    {"Who was the first woman elected to the House of Commons, in 1921?",
     {"Agnes Macphail", "Nellie McClung", "Laura Secord", "Emily Stowe"}},
    // 70
    {"In what year did most Canadian women aged 21 and over gain the vote in federal elections?",
     {"1918", "1885", "1940", "1960"}},
    // 71
    {"Which period is also known as the \"Dirty Thirties\"?",
     {"The Great Depression", "The Quiet Revolution", "The First World War",
      "The Klondike Gold Rush"}},
    // 72
    {"On D-Day, 6 June 1944, which beach did Canadian troops capture?",
     {"Juno Beach", "Omaha Beach", "Utah Beach", "Sword Beach"}},
    // 73
    {"In which war did Canada fight as part of United Nations forces from 1950 to 1953?",
     {"The Korean War", "The Vietnam War", "The Boer War", "The Gulf War"}},
    // 74
    {"What was the Quiet Revolution in Quebec?",
     {"A period of rapid social and political change in the 1960s",
      "The 1837 uprising in Lower Canada", "The founding of New France",
      "A peaceful strike of fishermen in 1900"}},

    // ---- Modern Canada ----
    // 75
    {"Which young Canadian began the Marathon of Hope in 1980 to raise money for cancer research?",
     {"Terry Fox", "Rick Hansen", "Wayne Gretzky", "Donovan Bailey"}},
    // 76
    {"What is Canada's national winter sport?",
     {"Ice hockey", "Curling", "Skiing", "Lacrosse"}},
    // 77
    {"Which two Canadians discovered insulin, a treatment for diabetes?",
     {"Frederick Banting and Charles Best", "Wilder Penfield and Norman Bethune",
      "James Naismith and John McCrae", "Alexander Graham Bell and Reginald Fessenden"}},
    // 78
    {"Which city hosted Expo 67, the world's fair marking Canada's 100th birthday?",
     {"Montréal", "Toronto", "Vancouver", "Ottawa"}},
    // 79
    {"Which Canadian city hosted the 1976 Summer Olympic Games?",
     {"Montréal", "Calgary", "Toronto", "Winnipeg"}},

    // ---- How Canadians govern themselves ----
    // 80
    {"What kind of government does Canada have?",
     {"A parliamentary democracy and constitutional monarchy",
      "A republic with an elected president", "An absolute monarchy", "A one-party state"}},
    // 81
    {"Who is Canada's head of state?",
     {"The Sovereign (King or Queen)", "The Prime Minister", "The Governor General",
      "The Speaker of the Senate"}},
    // 82
    {"Who is the head of government in Canada?",
     {"The Prime Minister", "The Governor General", "The Chief Justice of Canada",
      "The Speaker of the House of Commons"}},
    // 83
    {"Who represents the Sovereign in Canada?",
     {"The Governor General", "The Prime Minister", "The Chief Justice of Canada",
      "The Speaker of the Senate"}},
    // 84
    {"Who represents the Sovereign in each province?",
     {"The Lieutenant Governor", "The Premier", "The Commissioner",
      "The mayor of the capital city"}},
    // 85
    {"Who represents the federal government in each of the three territories?",
     {"A Commissioner", "A Lieutenant Governor", "A Governor General", "A Chief Justice"}},
    // 86
    {"What are the three parts of Parliament?",
     {"The Sovereign, the Senate and the House of Commons",
      "The Prime Minister, the Cabinet and the courts",
      "The Senate, the House of Commons and the Supreme Court",
      "The Governor General, the premiers and the mayors"}},
    // 87
    {"What are the three branches of government in Canada?",
     {"Executive, legislative and judicial", "Federal, provincial and municipal",
      "Senate, House of Commons and Cabinet", "Police, courts and prisons"}},
    // 88
    {"How are senators chosen?",
     {"Appointed by the Governor General on the advice of the Prime Minister",
      "Elected by voters in each province", "Appointed by the provincial premiers",
      "Elected by the members of the House of Commons"}},
    // 89
    {"Until what age may a senator serve?",
     {"Until age 75", "Until age 65", "Until age 70", "For life"}},
    // 90
    {"How many senators does the Constitution normally provide for?",
     {"105", "100", "120", "150"}},
    // 91
    {"In Parliament, what is a bill?",
     {"A proposed law", "A court ruling", "A tax receipt", "A royal honour"}},
    // 92
    {"What is the final step before a bill becomes law?",
     {"Royal Assent", "Third reading in the House of Commons", "Study by a committee",
      "A ruling of the Supreme Court"}},
    // 93
    {"What must a government do to stay in power?",
     {"Keep the confidence of a majority of the elected House of Commons",
      "Win the approval of the Senate every year", "Have the Supreme Court approve its budget",
      "Hold a referendum every year"}},
    // 94
    {"What is a majority government?",
     {"A government whose party holds at least half of the seats in the House of Commons",
      "A government in which all parties share Cabinet posts",
      "A government whose every bill the Senate agrees with", "A government led by the oldest MP"}},
    // 95
    {"Usually, which party becomes the Official Opposition?",
     {"The party with the second-most seats in the House of Commons",
      "The party with the fewest seats", "The party that controls the Senate",
      "The party chosen by the Governor General"}},
    // 96
    {"After a federal election, who is usually invited to form the government?",
     {"The leader of the party with the most seats in the House of Commons",
      "The candidate with the most votes nationwide", "The oldest member of the House of Commons",
      "The Speaker of the Senate"}},
    // 97
    {"Which level of government is responsible for national defence?",
     {"Federal", "Provincial", "Municipal", "Territorial"}},
    // 98
    {"Which level of government is responsible for education?",
     {"Provincial and territorial", "Federal", "Municipal", "The Senate"}},
    // 99
    {"Which level of government usually handles snow removal, recycling and local policing?",
     {"Municipal (local) government", "Federal government", "The Senate", "The Governor General"}},
    // 100
    {"Which two areas of responsibility do the federal and provincial governments share?",
     {"Agriculture and immigration", "Defence and currency", "Education and foreign policy",
      "Criminal law and the postal service"}},
    // 101
    {"What is the name of Quebec's elected legislature?",
     {"The National Assembly", "The House of Assembly", "The Legislative Council",
      "The Provincial Senate"}},
    // 102
    {"Who is the head of a provincial government?",
     {"The Premier", "The Lieutenant Governor", "The Prime Minister", "The Commissioner"}},
    // 103
    {"Which Act of the British Parliament created the Dominion of Canada in 1867?",
     {"The British North America Act", "The Act of Union", "The Quebec Act",
      "The Constitutional Act"}},

    // ---- Elections ----
    // 104
    {"What is the minimum age to vote in a federal election?",
     {"18 years old", "16 years old", "19 years old", "21 years old"}},
    // 105
    {"What is an electoral district, also called a riding?",
     {"A geographical area represented by one Member of Parliament",
      "A province with its own Senate", "A city with its own police force",
      "An area governed by a Commissioner"}},
    // 106
    {"Which independent agency runs federal elections and referendums?",
     {"Elections Canada", "Statistics Canada", "Canada Post", "The Privy Council Office"}},
    // 107
    {"What does Elections Canada mail to voters on the National Register of Electors?",
     {"A voter information card", "A passport", "A tax form", "A citizenship certificate"}},
    // 108
    {"What is a secret ballot?",
     {"Voting in private, so that no one can see how you voted", "Voting only by mail",
      "A vote held only in the Senate", "A public list of every voter's choice"}},
    // 109
    {"In a federal riding, which candidate becomes the Member of Parliament?",
     {"The candidate who receives the most votes",
      "The candidate with at least two-thirds of the votes", "The candidate chosen by the Senate",
      "The oldest candidate"}},
    // 110
    {"Except in wartime, what is the longest a House of Commons may continue without a general election?",
     {"Five years", "Three years", "Seven years", "Ten years"}},
    // 111
    {"Who may be a candidate in a federal election?",
     {"A Canadian citizen aged 18 or older", "Any resident of Canada",
      "Only members of a registered party", "Only people born in Canada"}},

    // ---- Justice ----
    // 112
    {"What is the highest court in Canada?",
     {"The Supreme Court of Canada", "The Federal Court", "The Court of Appeal for Ontario",
      "The Tax Court of Canada"}},
    // 113
    {"How many judges sit on the Supreme Court of Canada?",
     {"Nine", "Seven", "Twelve", "Five"}},
    // 114
    {"What does the presumption of innocence mean?",
     {"Everyone is innocent until proven guilty", "The accused must prove their innocence",
      "Police decide who is guilty", "Judges assume the accused is guilty"}},
    // 115
    {"What is due process?",
     {"The government must respect all the legal rights a person is entitled to",
      "Courts must hear every case within one week", "Police may detain anyone without a reason",
      "Only judges may vote in elections"}},
    // 116
    {"If you are arrested, which of these rights do you have?",
     {"The right to speak to a lawyer without delay", "The right to choose your judge",
      "The right to leave the country", "The right to be released without charge"}},
    // 117
    {"What is the role of a jury in a criminal trial?",
     {"To decide whether the accused is guilty or not guilty", "To set the punishment",
      "To act as the prosecutor", "To defend the accused"}},
    // 118
    {"What is the national police force of Canada?",
     {"The Royal Canadian Mounted Police", "The Ontario Provincial Police",
      "The Canada Border Services Agency", "The Canadian Armed Forces"}},

    // ---- Symbols ----
    // 119
    {"What are the official colours of Canada?",
     {"Red and white", "Red and blue", "Green and white", "Blue and gold"}},
    // 120
    {"In what year was the National Flag of Canada, with its red maple leaf, first raised?",
     {"1965", "1945", "1927", "1982"}},
    // 121
    {"What does Canada's motto \"A Mari usque ad Mare\" mean?",
     {"From sea to sea", "Strong and free", "Glorious and free",
      "Peace, order and good government"}},
    // 122
    {"In what year was \"O Canada\" proclaimed as Canada's national anthem?",
     {"1980", "1880", "1965", "1927"}},
    // 123
    {"What is the highest military honour for bravery available to Canadians?",
     {"The Victoria Cross", "The Order of Canada", "The Star of Courage",
      "The Canadian Forces Decoration"}},
    // 124
    {"Which animal is an official symbol of Canada?",
     {"The beaver", "The bald eagle", "The grizzly bear", "The wild turkey"}},
    // 125
    {"Which symbol on Quebec's flag recalls the province's French heritage?",
     {"The fleur-de-lys", "The maple leaf", "The beaver", "The thistle"}},
    // 126
    {"What do many Canadians wear in November to remember those who died in war?",
     {"A red poppy", "A white lily", "A green ribbon", "A blue cornflower"}},

    // ---- Holidays ----
    // 127
    {"On what date is Canada Day celebrated?",
     {"July 1", "June 24", "November 11", "May 24"}},
    // 128
    {"What does Canada Day commemorate?",
     {"The anniversary of Confederation in 1867", "The end of the War of 1812",
      "The adoption of the maple leaf flag", "The signing of the Charter in 1982"}},
    // 129
    {"On what date is Remembrance Day observed?",
     {"November 11", "July 1", "April 9", "December 26"}},
    // 130
    {"Which holiday falls on the first Monday of September?",
     {"Labour Day", "Thanksgiving Day", "Victoria Day", "Civic Holiday"}},
    // 131
    {"Which holiday falls on the second Monday in October?",
     {"Thanksgiving Day", "Labour Day", "Remembrance Day", "Victoria Day"}},
    // 132
    {"What is celebrated as Quebec's national holiday on June 24?",
     {"Saint-Jean-Baptiste Day", "Canada Day", "Labour Day", "Vimy Day"}},

    // ---- Economy ----
    // 133
    {"What are Canada's three main types of industries?",
     {"Service, manufacturing and natural resources", "Tourism, banking and fishing",
      "Farming, mining and forestry", "Oil, gas and shipbuilding"}},
    // 134
    {"In which type of industry do most Canadians work?",
     {"Service industries", "Fishing", "Mining", "Agriculture"}},
    // 135
    {"Which industries include forestry, fishing, agriculture, mining and energy?",
     {"Natural resources industries", "Service industries", "Manufacturing industries",
      "Financial industries"}},
    // 136
    {"Canada and which country share the longest international border in the world?",
     {"The United States", "Russia", "Mexico", "Iceland"}},

    // ---- Regions and geography ----
    // 137
    {"What is the capital city of Canada?",
     {"Ottawa", "Toronto", "Montréal", "Vancouver"}},
    // 138
    {"Who chose Ottawa as the capital of the Province of Canada in 1857?",
     {"Queen Victoria", "Sir John A. Macdonald", "Lord Durham", "Samuel de Champlain"}},
    // 139
    {"Which three oceans border Canada?",
     {"The Pacific, the Atlantic and the Arctic", "The Pacific, the Atlantic and the Indian",
      "The Atlantic, the Arctic and the Southern", "The Pacific, the Indian and the Arctic"}},
    // 140
    {"What are Canada's five regions?",
     {"The Atlantic, Central Canada, the Prairies, the West Coast and the North",
      "The Maritimes, Quebec, Ontario, the Rockies and Yukon",
      "The East, the Centre, the South, the West and the Arctic",
      "Acadia, New France, Rupert's Land, Oregon and Alaska"}},
    // 141
    {"How many provinces and territories does Canada have?",
     {"10 provinces and 3 territories", "12 provinces and 1 territory",
      "9 provinces and 4 territories", "10 provinces and 2 territories"}},
    // 142
    {"Which provinces are the Prairie Provinces?",
     {"Manitoba, Saskatchewan and Alberta", "Ontario, Manitoba and Saskatchewan",
      "Saskatchewan, Alberta and British Columbia", "Manitoba, Alberta and Yukon"}},
    // 143
    {"Which provinces are the Atlantic Provinces?",
     {"Newfoundland and Labrador, Prince Edward Island, Nova Scotia and New Brunswick",
      "Nova Scotia, New Brunswick, Quebec and Prince Edward Island",
      "Newfoundland and Labrador, Quebec, Nova Scotia and Ontario",
      "Nova Scotia and New Brunswick only"}},
    // 144
    {"Which two provinces make up Central Canada?",
     {"Ontario and Quebec", "Manitoba and Ontario", "Quebec and New Brunswick",
      "Saskatchewan and Manitoba"}},
    // 145
    {"What are Canada's three territories?",
     {"Yukon, the Northwest Territories and Nunavut", "Yukon, Nunavut and Labrador",
      "Nunavut, Rupert's Land and Yukon", "The Northwest Territories, Nunavik and Alaska"}},
    // 146
    {"Which territory was created in 1999?",
     {"Nunavut", "Yukon", "The Northwest Territories", "Labrador"}},
    // 147
    {"What is the capital of Nunavut?",
     {"Iqaluit", "Yellowknife", "Whitehorse", "Inuvik"}},
    // 148
    {"What is the capital of the Northwest Territories?",
     {"Yellowknife", "Iqaluit", "Whitehorse", "Hay River"}},
    // 149
    {"What is the capital of Yukon?",
     {"Whitehorse", "Yellowknife", "Iqaluit", "Inuvik"}},
    // 150
    {"What is the capital of British Columbia?",
     {"Victoria", "Vancouver", "Kelowna", "Kamloops"}},
    // 151
    {"What is the capital of Alberta?",
     {"Edmonton", "Calgary", "Red Deer", "Lethbridge"}},
    // 152
    {"What is the capital of Saskatchewan?",
     {"Regina", "Saskatoon", "Moose Jaw", "Prince Albert"}},
    // 153
    {"What is the capital of Manitoba?",
     {"Winnipeg", "Brandon", "Regina", "Thunder Bay"}},
    // 154
    {"What is the capital of Ontario?",
     {"Toronto", "Ottawa", "Hamilton", "Kingston"}},
    // 155
    {"What is the capital of Quebec?",
     {"Quebec City", "Montréal", "Sherbrooke", "Gatineau"}},
    // 156
    {"What is the capital of New Brunswick?",
     {"Fredericton", "Saint John", "Moncton", "Halifax"}},
    // 157
    {"What is the capital of Nova Scotia?",
     {"Halifax", "Sydney", "Truro", "Fredericton"}},
    // 158
    {"What is the capital of Prince Edward Island?",
     {"Charlottetown", "Summerside", "Halifax", "Moncton"}},
    // 159
    {"What is the capital of Newfoundland and Labrador?",
     {"St. John's", "Corner Brook", "Gander", "Labrador City"}},
    // 160
    {"Which is Canada's smallest province by land area?",
     {"Prince Edward Island", "Nova Scotia", "New Brunswick", "Newfoundland and Labrador"}},
    // 161
    {"Which is Canada's largest province by area?",
     {"Quebec", "Ontario", "British Columbia", "Alberta"}},
    // 162
    {"Which province is known as the \"birthplace of Confederation\"?",
     {"Prince Edward Island", "Ontario", "Quebec", "Nova Scotia"}},
    // 163
    {"Which mountain range runs through Alberta and British Columbia?",
     {"The Rocky Mountains", "The Appalachian Mountains", "The Laurentian Mountains",
      "The Torngat Mountains"}},
    // 164
    {"What is the highest mountain in Canada?",
     {"Mount Logan", "Mount Robson", "Mount Columbia", "Whistler Mountain"}},
    // 165
    {"What is the longest river in Canada?",
     {"The Mackenzie River", "The St. Lawrence River", "The Fraser River", "The Ottawa River"}},
}};
// clang-format on

} // namespace veltrano
