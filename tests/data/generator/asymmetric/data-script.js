var titlea = new Array();var texta = new Array();var linka = new Array();var trgfrma = new Array();var heightarr = new Array();var cyposarr = new Array();
cyposarr[0]=0;cyposarr[1]=1;
titlea[0] = "First title";texta[0] = "Body one<br>second line";linka[0] = "http://example.test/one";trgfrma[0] = "_blank";titlea[1] = "Second";texta[1] = "Body two";linka[1] = "";trgfrma[1] = "";
var mc=2;
