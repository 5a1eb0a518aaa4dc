var tmpv=0;
tmpv=ticwvr5-psrightvr2-psleftvr1-(2*borderwvr7);
var cvar=0,say=0,tpos=0,enson=0,hidsay=0,hidson=0;
var art=1,topla=0;
var divtextb="<div id=d";
var divtev1=" onmouseover=\"mdivmo(";
var divtev2=")\" onmouseout =\"restime(";
var divtev3=")\" onclick=\"butclick(";
var divtev4=")\"";
var divtexts=" style=\"position:absolute;visibility:hidden;width:"+tmpv+";COLOR: txtcolorvr11;left:0;top:0;FONT-FAMILY: textfontfamily_vr22;FONT-SIZE: font_sizevr10pt;FONT-STYLE: textstyle_vr14;FONT-WEIGHT: fontweight_vr16;TEXT-DECORATION: none;margin:0px;LINE-HEIGHT: textlineheight_vr18pt;text-align:textalign_vr25;padding:0px;\">";
var ns6span=" style=\"position:relative;COLOR: titlecolorvr12;width:"+tmpv+";FONT-FAMILY: titlefontfamily_vr23;FONT-SIZE: titlefont_sizevr13pt;FONT-STYLE: titlestyle_vr15;FONT-WEIGHT: titleweight_vr17;TEXT-DECORATION: none;LINE-HEIGHT: titlelineheight_vr19pt;text-align:textalign_vr25;padding:0px;\"";
var innertxt="";
var objd=null,objd2=null;
var spage=null;
function initte(){
	var i;
	innertxt="";
	for(i=0;i<mc;i++){
		innertxt=innertxt+divtextb+i+divtev1+i+divtev2+i+divtev3+i+divtev4+divtexts;
		innertxt=innertxt+"<div id=\"hgd"+i+"\""+ns6span+">"+titlea[i]+"<br></div>";
		innertxt=innertxt+texta[i]+"</div>";
	}
	spage=document.getElementById('spagens');
	spage.innerHTML=innertxt;
	spage.style.left="0px";
	spage.style.top="0px";
	setTimeout(initte2,500);
}
function initte2(){
	var i;
	for(i=0;i<mc;i++){
		heightarr[i]=document.getElementById('d'+i).offsetHeight;
	}
	for(i=0;i<mc;i++){
		document.getElementById('d'+i).style.top=(tichvr6+200)+"px";
	}
	dotrans();
}
function dotrans(){
	var i,msg;
	if(mc>0){
		for(i=hidson;i<=hidsay;i++){
			document.getElementById('d'+i).style.visibility="hidden";
		}
		cvar=0;
		tpos=0;
		art=1;
		do{
			if(art==1){
				topla=0;
			}else{
				topla=prgspacevr8;
			}
			cvar=cvar+heightarr[say]+topla;
			if(cvar<(tichvr6-pstopvr3-psbottomvr4-disborderw-disborderw)){
				say=say+1;
			}else if(art==1){
				say=say+1;
			}
			art=art+1;
		}while((cvar<(tichvr6-pstopvr3-psbottomvr4-disborderw-disborderw))&&(say<mc));
		say=say-1;
		tpos=0;
		for(i=enson;i<=say;i++){
			msg=document.getElementById('d'+i);
			msg.style.left=psleftvr1+"px";
			msg.style.top=(pstopvr3+tpos)+"px";
			cyposarr[i]=tpos;
			msg.style.visibility="visible";
			tpos=tpos+heightarr[i]+prgspacevr8;
		}
		hidsay=say;
		hidson=enson;
		say=say+1;
		if(say>=mc){
			say=0;
		}
		enson=say;
	}
	setTimeout(dotrans,pausetime_vr24);
}
function mdivmo(gnum){
	objd=document.getElementById('d'+gnum);
	objd2=document.getElementById('hgd'+gnum);
	if(linka[gnum].length>2){
		objd.style.color="#textovercolor_vr20";
		objd2.style.color="#titleovercolor_vr21";
		objd.style.cursor='pointer';
		objd2.style.cursor='pointer';
	}
	window.status=""+linka[gnum];
}
function restime(gnum2){
	objd=document.getElementById('d'+gnum2);
	objd2=document.getElementById('hgd'+gnum2);
	objd.style.color="#txtcolorvr11";
	objd2.style.color="#titlecolorvr12";
	window.status="";
}
function butclick(gnum3){
	//buildergenlink
}
window.onload=initte;
