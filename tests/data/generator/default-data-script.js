var titlea = new Array();var texta = new Array();var linka = new Array();var trgfrma = new Array();var heightarr = new Array();var cyposarr = new Array();
cyposarr[0]=0;cyposarr[1]=1;cyposarr[2]=2;
titlea[0] = "What's New";texta[0] = "Marquetto was released.";linka[0] = "http://www.marquetto.example/";trgfrma[0] = "_parent";titlea[1] = "Features";texta[1] = "Easy building, testing and installation. Full customizable font characteristics. Highlighted URL links.";linka[1] = "http://www.marquetto.example/";trgfrma[1] = "_parent";titlea[2] = "HTML Support";texta[2] = "Supports basic HTML tags. (img, B, U,  ...)";linka[2] = "http://www.marquetto.example/";trgfrma[2] = "_parent";
var mc=3;
